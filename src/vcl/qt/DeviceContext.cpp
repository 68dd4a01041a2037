// Text measuring and drawing on a device context, as the Windows calls DrawTextA and
// GetTextExtentPointA do it.
#include "vcl/qt/DeviceContext.h"

#include "vcl/TextLines.h"
#include "vcl/TextMetrics.h"
#include "vcl/qt/QtConvert.h"

#include <QFontMetrics>
#include <algorithm>
#include <string>
#include <utility>

namespace {

TTextMeasurer& ReplacedMeasurer()
{
    static TTextMeasurer measurer;
    return measurer;
}

std::string_view TextOf(LPCSTR text, int count)
{
    if (!text)
        return {};
    return count < 0 ? std::string_view(text) : std::string_view(text, static_cast<std::size_t>(count));
}

int HorizontalAlignment(UINT format)
{
    if (format & DT_RIGHT)
        return Qt::AlignRight;
    if (format & DT_CENTER)
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

// Draws the lines one below the other from the rectangle's top, each aligned within its width.
void DrawLines(HDC dc, const std::vector<std::string_view>& lines, int lineHeight, const TRect& rect, UINT format)
{
    QPainter& painter = *dc->Painter;
    painter.save();
    painter.setClipRect(ToQRect(rect));
    painter.setFont(dc->Font);
    painter.setPen(ToQColor(dc->Source ? dc->Source->Color() : clWindowText));
    const int flags = HorizontalAlignment(format) | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine |
                      ((format & DT_NOPREFIX) ? 0 : Qt::TextShowMnemonic);
    int top = rect.Top;
    for (std::string_view line : lines) {
        painter.drawText(QRect(rect.Left, top, rect.Width(), lineHeight), flags, ToQString(line));
        top += lineHeight;
    }
    painter.restore();
}

} // namespace

TTextMeasurer SetTextMeasurer(TTextMeasurer measurer)
{
    return std::exchange(ReplacedMeasurer(), std::move(measurer));
}

TPoint MeasureText(HDC dc, std::string_view text)
{
    if (const TTextMeasurer& measurer = ReplacedMeasurer(); measurer && dc->Source)
        return measurer(*dc->Source, text);
    const QFontMetrics metrics(dc->Font);
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

BOOL GetTextExtentPointA(HDC dc, LPCSTR text, int count, SIZE* size)
{
    if (!dc || !size || count < 0)
        return 0;
    const TPoint extent = MeasureText(dc, TextOf(text, count));
    *size = {extent.x, extent.y};
    return 1;
}

int DrawTextA(HDC dc, LPCSTR text, int count, TRect* rect, UINT format)
{
    if (!dc || !rect)
        return 0;
    const bool accelMarks = !(format & DT_NOPREFIX);
    auto widthOf = [dc, accelMarks](std::string_view run) {
        if (!accelMarks)
            return MeasureText(dc, run).x;
        const std::string shown = WithoutAccelMarks(run);
        return MeasureText(dc, shown).x;
    };
    const auto lines = TextLines(TextOf(text, count), (format & DT_WORDBREAK) ? rect->Width() : -1, widthOf);
    const int lineHeight = MeasureText(dc, "").y;
    const int height = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        int width = 0;
        for (std::string_view line : lines)
            width = std::max(width, widthOf(line));
        rect->Right = rect->Left + width;
        rect->Bottom = rect->Top + height;
    } else if (dc->Painter) {
        DrawLines(dc, lines, lineHeight, *rect, format);
    }
    return height;
}
