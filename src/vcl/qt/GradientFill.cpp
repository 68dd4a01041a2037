// GradientFill of "MSIMG32.DLL", drawn with the device context's painter.
#include "vcl/WinApi.h"
#include "vcl/qt/DeviceContext.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <utility>

namespace {

struct TChannels {
    std::int64_t Red, Green, Blue;
};

TChannels ChannelsOf(const TRIVERTEX& v) { return {v.Red, v.Green, v.Blue}; }

// The colour at step `position` of `steps`: each 16-bit channel moved linearly from `from` towards
// `to`, exact at step 0; the screen shows the high byte of each channel.
QRgb ColorAt(const TChannels& from, const TChannels& to, std::int64_t position, std::int64_t steps)
{
    auto channel = [&](std::int64_t a, std::int64_t b) { return static_cast<int>((a + (b - a) * position / steps) >> 8); };
    return qRgb(channel(from.Red, to.Red), channel(from.Green, to.Green), channel(from.Blue, to.Blue));
}

// The part of the rectangle that the painter can reach: a huge rectangle costs no more than the
// screen.
QRect ReachableRect(const QPainter& painter, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    QRect reach = painter.window();
    if (painter.hasClipping())
        reach &= painter.clipBoundingRect().toAlignedRect();
    const std::int64_t l = std::max<std::int64_t>(left, reach.left());
    const std::int64_t t = std::max<std::int64_t>(top, reach.top());
    const std::int64_t r = std::min<std::int64_t>(right, std::int64_t(reach.right()) + 1);
    const std::int64_t b = std::min<std::int64_t>(bottom, std::int64_t(reach.bottom()) + 1);
    if (l >= r || t >= b)
        return {};
    return QRect(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l), static_cast<int>(b - t));
}

// Fills one rectangle. A horizontal gradient computes the colours of one scan line once and copies
// it onto every row; a vertical one fills each row with its colour. Both cost about what a plain
// fill does, far less than colouring every pixel on its own.
void FillRect(QPainter& painter, TRIVERTEX first, TRIVERTEX last, bool vertical)
{
    // The colour runs from the vertex nearer the left (top) edge, whichever way the caller gave them.
    if (vertical ? first.y > last.y : first.x > last.x)
        std::swap(first, last);
    const std::int64_t left = std::min(first.x, last.x), right = std::max(first.x, last.x);
    const std::int64_t top = std::min(first.y, last.y), bottom = std::max(first.y, last.y);
    const QRect target = ReachableRect(painter, left, top, right, bottom);
    if (target.isEmpty())
        return;
    const TChannels from = ChannelsOf(first), to = ChannelsOf(last);

    if (vertical) {
        for (int y = target.top(); y <= target.bottom(); ++y)
            painter.fillRect(target.left(), y, target.width(), 1, QColor(ColorAt(from, to, y - top, bottom - top)));
        return;
    }
    QImage line(target.width(), 1, QImage::Format_RGB32);
    auto* pixels = reinterpret_cast<QRgb*>(line.bits());
    for (int x = target.left(); x <= target.right(); ++x)
        pixels[x - target.left()] = ColorAt(from, to, x - left, right - left);
    for (int y = target.top(); y <= target.bottom(); ++y)
        painter.drawImage(target.left(), y, line);
}

} // namespace

BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh, ULONG meshCount, ULONG mode)
{
    if (!dc || !dc->Painter || !vertices || !mesh || (mode != GRADIENT_FILL_RECT_H && mode != GRADIENT_FILL_RECT_V))
        return 0;
    const auto* rects = static_cast<const GRADIENT_RECT*>(mesh);
    for (ULONG i = 0; i < meshCount; ++i)
        if (rects[i].UpperLeft >= vertexCount || rects[i].LowerRight >= vertexCount)
            return 0;
    for (ULONG i = 0; i < meshCount; ++i)
        FillRect(*dc->Painter, vertices[rects[i].UpperLeft], vertices[rects[i].LowerRight], mode == GRADIENT_FILL_RECT_V);
    return 1;
}
