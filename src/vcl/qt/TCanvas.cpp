#include "vcl/TCanvas.h"

#include "vcl/qt/DeviceContext.h"
#include "vcl/qt/QtConvert.h"

#include <QFontMetrics>

TCanvas::TCanvas() : FFont(std::make_unique<TFont>()), FHandle(std::make_unique<HDC__>())
{
    FHandle->Font = ToQFont(*FFont);
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

TPoint TCanvas::TextExtent(std::string_view text) const
{
    const QFontMetrics metrics(FHandle->Font);
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}
