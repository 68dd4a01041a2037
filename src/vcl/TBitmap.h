#pragma once
// A picture in memory: a button's glyph, or what a window showed. Reads the common picture files
// and writes PNG or BMP.

#include "vcl/Types.h"
#include "vcl/WinApi.h"

#include <functional>
#include <memory>
#include <string>

class TBitmapImage;

class TBitmap : public TObject {
public:
    // An empty picture, 0 x 0.
    TBitmap();
    ~TBitmap() override;

    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    // Takes a copy of the source's picture and signals one change.
    void Assign(const TBitmap& source);

    int Width() const;
    int Height() const;
    bool Empty() const { return Width() == 0 || Height() == 0; }
    // Makes a black picture of that size (0 x 0 for a size below 1).
    void SetSize(int width, int height);

    // Reads a picture file (BMP, PNG and the other common formats). Throws EFOpenError
    // (core/Exception.h) when the file cannot be read and EInvalidGraphic (vcl/EInvalidGraphic.h)
    // when it holds no picture; the bitmap is unchanged then.
    void LoadFromFile(const std::string& fileName);
    // Reads one of the program's own pictures (TImageResources) by name; the instance must be
    // HInstance. Throws EResNotFound (vcl/EResNotFound.h) when the program has no picture of that
    // name.
    void LoadFromResourceName(HINSTANCE instance, const std::string& name);
    // Writes the picture as PNG when the file name ends in ".png" (any letter case), as BMP
    // otherwise. Throws EFCreateError (core/Exception.h) when the file cannot be written.
    void SaveToFile(const std::string& fileName) const;

    // The colour of one pixel as 0x00BBGGRR; -1 outside the picture.
    TColor Pixel(int x, int y) const;
    // Sets one pixel; a pixel outside the picture is ignored.
    void SetPixel(int x, int y, TColor color);

    // Called after every change of the picture, so a control that shows it can repaint.
    std::function<void()> OnChange;

    // The picture itself, for the platform implementation.
    TBitmapImage& Image() const { return *FImage; }

private:
    void Changed();

    std::unique_ptr<TBitmapImage> FImage;
};
