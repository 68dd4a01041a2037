// The speed button's state; its drawing is in qt/TSpeedButton.cpp.
#include "vcl/TSpeedButton.h"

#include "vcl/TFormReader.h"
#include "vcl/TextLines.h"

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

bool TSpeedButton::DialogChar(char key)
{
    const char accel = AccelChar(FCaption);
    if (accel == 0 || accel != key)
        return false;
    Click();
    return true;
}

void TSpeedButton::MouseUp(int x, int y)
{
    // Repaint first: the click may end the dialog the button sits on.
    Invalidate();
    TGraphicControl::MouseUp(x, y);
}

bool TSpeedButton::ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader)
{
    if (name == "Caption")
        SetCaption(reader.String(value));
    else if (name == "Flat")
        SetFlat(reader.Boolean(value));
    else if (name == "Transparent")
        SetTransparent(reader.Boolean(value));
    else if (name == "Spacing")
        SetSpacing(reader.Integer(value));
    else if (name == "Glyph")
        FGlyph->LoadFromResourceName(HInstance, reader.Picture(value));
    else
        return TGraphicControl::ReadProperty(name, value, reader);
    return true;
}
