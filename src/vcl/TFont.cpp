#include "vcl/TFont.h"

#include "vcl/WinApi.h"

namespace {
constexpr int ScreenPixelsPerInch = 96;
}

void TFont::Assign(const TFont& source)
{
    if (&source == this)
        return;
    FCharset = source.FCharset;
    FColor = source.FColor;
    FHeight = source.FHeight;
    FName = source.FName;
    FStyle = source.FStyle;
    Changed();
}

void TFont::SetCharset(TFontCharset value) { FCharset = value; Changed(); }
void TFont::SetColor(TColor value) { FColor = value; Changed(); }
void TFont::SetHeight(int value) { FHeight = value; Changed(); }
void TFont::SetName(std::string_view value) { FName = value; Changed(); }
void TFont::SetStyle(TFontStyles value) { FStyle = value; Changed(); }

int TFont::Size() const { return -MulDiv(FHeight, 72, ScreenPixelsPerInch); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch, 72)); }

bool TFont::operator==(const TFont& other) const
{
    return FCharset == other.FCharset && FColor == other.FColor && FHeight == other.FHeight &&
           FName == other.FName && FStyle == other.FStyle;
}

void TFont::Changed()
{
    if (OnChange)
        OnChange();
}
