// The speed button's state; its drawing is in qt/TSpeedButton.cpp.
#include "vcl/TSpeedButton.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this] { Invalidate(); };
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetCaption(std::string_view value)
{
    FCaption = value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool value)
{
    FFlat = value;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool value)
{
    FTransparent = value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int value)
{
    FSpacing = value;
    Invalidate();
}

void TSpeedButton::MouseEnter()
{
    FMouseInControl = true;
    Invalidate();
}

void TSpeedButton::MouseLeave()
{
    FMouseInControl = false;
    Invalidate();
}

void TSpeedButton::MouseDown(int x, int y)
{
    TGraphicControl::MouseDown(x, y);
    Invalidate();
}

void TSpeedButton::MouseUp(int x, int y)
{
    // Repaint first: the click may end the dialog the button sits on.
    Invalidate();
    TGraphicControl::MouseUp(x, y);
}
