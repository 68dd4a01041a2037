#pragma once
// The picture behind a TBitmap: always 32-bit RGB, so pixels read back exactly as drawn.

#include "vcl/TBitmap.h"

#include <QImage>

class TBitmapImage {
public:
    QImage Image;
};

// Stores a picture in a bitmap, converted to the bitmap's pixel format.
void SetBitmapImage(TBitmap& bitmap, const QImage& image);
