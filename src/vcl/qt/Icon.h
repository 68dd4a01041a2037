#pragma once
// The picture behind an icon handle.

#include "vcl/WinApi.h"

#include <QImage>

struct HICON__ {
    QImage Picture;
};
