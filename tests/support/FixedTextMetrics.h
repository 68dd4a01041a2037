#pragma once
// Text metrics that are the same on every machine: each character of a font of height -h is
// h * 6 / 11 pixels wide and its lines are h + 2 high, so the default font (-11) measures 6 x 13.
// Installed for the life of the object.

#include "vcl/TextMetrics.h"

#include <cstdlib>
#include <utility>

class TFixedTextMetrics {
public:
    TFixedTextMetrics()
        : FPrevious(SetTextMeasurer([](const TFont& font, std::string_view text) {
              const int h = std::abs(font.Height());
              return TPoint{static_cast<int>(text.size()) * (h * 6 / 11), h + 2};
          }))
    {
    }
    ~TFixedTextMetrics() { SetTextMeasurer(std::move(FPrevious)); }

    TFixedTextMetrics(const TFixedTextMetrics&) = delete;
    TFixedTextMetrics& operator=(const TFixedTextMetrics&) = delete;

private:
    TTextMeasurer FPrevious;
};
