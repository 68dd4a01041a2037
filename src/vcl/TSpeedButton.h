#pragma once
// A button without a window of its own: it never takes the keyboard focus and works by mouse
// only. It shows an optional glyph left of its caption, both centred, Spacing pixels apart; "&"
// in the caption underlines the next letter ("&&" shows one "&"). A flat button shows its frame
// only while the mouse is over it; a transparent one lets what is behind it show through.

#include "vcl/TBitmap.h"
#include "vcl/TGraphicControl.h"

#include <memory>
#include <string>
#include <string_view>

class TSpeedButton : public TGraphicControl {
public:
    // A 23 x 22 button, not flat, transparent, Spacing 4, no caption and no glyph.
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(std::string_view value);

    // The glyph's bottom-left pixel gives its transparent colour, as the platform does. Loading a
    // picture into the glyph repaints the button.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(const TBitmap* value) { FGlyph->Assign(*value); }

    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Pixels between the glyph and the caption.
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);

    void Paint() override;
    // The caption's accelerator key presses the button, as a click does.
    bool DialogChar(char key) override;

    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(int x, int y) override;
    void MouseUp(int x, int y) override;

    bool ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader) override;

    // Whether the mouse is over the button (a flat button shows its frame then).
    bool MouseInControl() const { return FMouseInControl; }

private:
    std::string FCaption;
    std::unique_ptr<TBitmap> FGlyph;
    bool FFlat = false;
    bool FTransparent = true;
    int FSpacing = 4;
    bool FMouseInControl = false;
};
