#include "vcl/TCanvas.h"

#include "vcl/qt/DeviceContext.h"
#include "vcl/qt/Icon.h"
#include "vcl/qt/QtConvert.h"

TCanvas::TCanvas() : FFont(std::make_unique<TFont>()), FHandle(std::make_unique<HDC__>())
{
    FHandle->Font = ToQFont(*FFont);
    FHandle->Source = FFont.get();
    FFont->OnChange = [this] {
        FHandle->Font = ToQFont(*FFont);
        if (FHandle->Painter)
            FHandle->Painter->setFont(FHandle->Font);
    };
}

TCanvas::~TCanvas() = default;

void TCanvas::FillRect(const TRect& rect)
{
    if (FHandle->Painter)
        FHandle->Painter->fillRect(ToQRect(rect), ToQColor(FBrushColor));
}

void TCanvas::Draw(int x, int y, const TIcon& icon)
{
    if (FHandle->Painter && !icon.Empty())
        FHandle->Painter->drawImage(x, y, icon.Handle()->Picture);
}

TPoint TCanvas::TextExtent(std::string_view text) const
{
    return MeasureText(FHandle.get(), text);
}
