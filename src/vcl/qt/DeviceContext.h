#pragma once
// The device context behind a canvas: the painter while a paint is under way, and the canvas's
// font for drawing and measuring text at any time.

#include "vcl/WinApi.h"

#include <QFont>
#include <QPainter>

struct HDC__ {
    QPainter* Painter = nullptr;
    QFont Font;
};

// Lends a painter to a device context for the length of one paint.
class TDeviceContextScope {
public:
    TDeviceContextScope(HDC dc, QPainter& painter) : FDc(dc), FPrevious(dc->Painter)
    {
        FDc->Painter = &painter;
        painter.setFont(FDc->Font);
    }
    ~TDeviceContextScope() { FDc->Painter = FPrevious; }

    TDeviceContextScope(const TDeviceContextScope&) = delete;
    TDeviceContextScope& operator=(const TDeviceContextScope&) = delete;

private:
    HDC FDc;
    QPainter* FPrevious;
};
