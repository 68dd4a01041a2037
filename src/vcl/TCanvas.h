#pragma once
// A drawing surface with a font and a brush colour. Its Handle is the device context that the
// Windows-style calls (GradientFill, DrawTextA, GetTextExtentPointA) take. Outside painting it
// still measures text in its font.

#include "vcl/TFont.h"
#include "vcl/WinApi.h"

#include <memory>
#include <string_view>

class TCanvas : public TObject {
public:
    TCanvas();
    ~TCanvas() override;

    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value) { FFont->Assign(*value); }

    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor value) { FBrushColor = value; }

    // Fills the rectangle with the brush colour; nothing while the canvas is not painting.
    void FillRect(const TRect& rect);
    // The width and height of the text in the canvas's font.
    TPoint TextExtent(std::string_view text) const;

    HDC Handle() const { return FHandle.get(); }

private:
    std::unique_ptr<TFont> FFont;
    TColor FBrushColor = clBtnFace;
    std::unique_ptr<HDC__> FHandle;
};
