#include "vcl/TLabel.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetCaption(std::string_view value)
{
    FCaption = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetWordWrap(bool value)
{
    FWordWrap = value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetAutoSize(bool value)
{
    FAutoSize = value;
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value)
{
    FAlignment = value;
    Invalidate();
}

void TLabel::SetTransparent(bool value)
{
    FTransparent = value;
    Invalidate();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
    Invalidate();
}

UINT TLabel::TextFormat() const
{
    UINT format = FWordWrap ? DT_WORDBREAK : 0;
    if (FAlignment == taCenter)
        format |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        format |= DT_RIGHT;
    return format;
}

void TLabel::AdjustBounds()
{
    if (!FAutoSize)
        return;
    // An empty caption measures as a blank, so that the label keeps one line's height.
    const std::string text = FCaption.empty() ? std::string(" ") : FCaption;
    TRect extent = Rect(0, 0, Width(), 0);
    DrawTextA(Canvas()->Handle(), text.c_str(), -1, &extent, TextFormat() | DT_CALCRECT);
    const int width = FWordWrap ? Width() : extent.Right;
    const int left = FAlignment == taRightJustify ? Left() + Width() - width : Left();
    SetBounds(left, Top(), width, extent.Bottom);
}

void TLabel::Paint()
{
    const TRect area = ClientRect();
    if (!FTransparent) {
        Canvas()->SetBrushColor(Color());
        Canvas()->FillRect(area);
    }
    TRect textArea = area;
    DrawTextA(Canvas()->Handle(), FCaption.c_str(), static_cast<int>(FCaption.size()), &textArea, TextFormat());
}
