// Drawing of the speed button: frame, glyph and caption.
#include "vcl/TSpeedButton.h"

#include "vcl/qt/BitmapImage.h"
#include "vcl/qt/DeviceContext.h"
#include "vcl/qt/QtConvert.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int CaptionFlags = Qt::TextShowMnemonic | Qt::TextSingleLine;

// A bevel of one pixel: `light` along the top and left edges, `dark` along the bottom and right.
// QRect's right and bottom are its last pixels.
void DrawBevel(QPainter& painter, const QRect& r, TColor light, TColor dark)
{
    painter.setPen(ToQColor(light));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(ToQColor(dark));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

// The glyph with every pixel of its bottom-left pixel's colour made see-through.
QImage TransparentGlyph(const QImage& glyph)
{
    QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == transparent)
                line[x] = 0;
    }
    return image;
}

} // namespace

void TSpeedButton::Paint()
{
    QPainter* painter = Canvas()->Handle()->Painter;
    if (!painter)
        return;
    const QRect area(0, 0, Width(), Height());
    const bool down = MousePressed();

    if (!FFlat || !FTransparent)
        painter->fillRect(area, ToQColor(Color()));
    if (!FFlat) {
        // The raised (or, while pressed, sunken) two-pixel frame of a push button.
        DrawBevel(*painter, area, down ? cl3DDkShadow : clBtnHighlight, down ? clBtnHighlight : cl3DDkShadow);
        DrawBevel(*painter, area.adjusted(1, 1, -1, -1), down ? clBtnShadow : clBtnFace, down ? clBtnFace : clBtnShadow);
    } else if (down) {
        DrawBevel(*painter, area, clBtnShadow, clBtnHighlight);
    } else if (FMouseInControl) {
        DrawBevel(*painter, area, clBtnHighlight, clBtnShadow);
    }

    // Glyph and caption are centred together and move with the pressed face.
    const QString caption = ToQString(FCaption);
    const QSize textSize = QFontMetrics(painter->font()).size(CaptionFlags, caption);
    const int textWidth = caption.isEmpty() ? 0 : textSize.width();
    const int glyphWidth = FGlyph->Empty() ? 0 : FGlyph->Width();
    const int gap = glyphWidth > 0 && textWidth > 0 ? FSpacing : 0;
    const int offset = down ? 1 : 0;
    int x = (Width() - (glyphWidth + gap + textWidth)) / 2 + offset;
    if (glyphWidth > 0) {
        painter->drawImage(x, (Height() - FGlyph->Height()) / 2 + offset, TransparentGlyph(FGlyph->Image().Image));
        x += glyphWidth + gap;
    }
    if (textWidth > 0) {
        painter->setPen(ToQColor(Font()->Color()));
        painter->drawText(QRect(x, offset, textWidth, Height()), Qt::AlignLeft | Qt::AlignVCenter | CaptionFlags, caption);
    }
}
