#pragma once
// How device contexts measure text. The platform measures in the real font; tests put in fixed
// metrics so that layouts can be checked to the pixel whatever fonts the machine has.

#include "vcl/TFont.h"

#include <functional>
#include <string_view>

// The width of a run of text in the font (x) and the height of the font's lines (y), in pixels.
using TTextMeasurer = std::function<TPoint(const TFont& font, std::string_view text)>;

// Replaces how text is measured and gives back the measurer it replaces; an empty measurer
// restores the fonts' own metrics.
TTextMeasurer SetTextMeasurer(TTextMeasurer measurer);
