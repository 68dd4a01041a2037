#include "vcl/TBitmap.h"

#include "core/Exception.h"
#include "vcl/EInvalidGraphic.h"
#include "vcl/EResNotFound.h"
#include "vcl/TImageResources.h"
#include "vcl/qt/BitmapImage.h"
#include "vcl/qt/QtConvert.h"

#include <QFile>
#include <QImageReader>

TBitmap::TBitmap() : FImage(std::make_unique<TBitmapImage>()) {}

TBitmap::~TBitmap() = default;

void SetBitmapImage(TBitmap& bitmap, const QImage& image)
{
    bitmap.Image().Image = image.convertToFormat(QImage::Format_RGB32);
}

void TBitmap::Assign(const TBitmap& source)
{
    if (&source == this)
        return;
    FImage->Image = source.FImage->Image;
    Changed();
}

int TBitmap::Width() const { return FImage->Image.width(); }
int TBitmap::Height() const { return FImage->Image.height(); }

void TBitmap::SetSize(int width, int height)
{
    if (width < 1 || height < 1) {
        FImage->Image = QImage();
    } else {
        FImage->Image = QImage(width, height, QImage::Format_RGB32);
        FImage->Image.fill(Qt::black);
    }
    Changed();
}

void TBitmap::LoadFromFile(const std::string& fileName)
{
    QFile file(QString::fromStdString(fileName));
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(fileName);
    QImageReader reader(&file);
    const QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(fileName);
    SetBitmapImage(*this, image);
    Changed();
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name)
{
    const TImageResources::TXpm picture = instance == HInstance ? TImageResources::Find(name) : nullptr;
    if (!picture)
        throw EResNotFound(name);
    SetBitmapImage(*this, QImage(picture));
    Changed();
}

void TBitmap::SaveToFile(const std::string& fileName) const
{
    const QString name = QString::fromStdString(fileName);
    const char* format = name.endsWith(".png", Qt::CaseInsensitive) ? "PNG" : "BMP";
    if (!FImage->Image.save(name, format))
        throw EFCreateError(fileName);
}

TColor TBitmap::Pixel(int x, int y) const
{
    if (!FImage->Image.valid(x, y))
        return -1;
    return FromQColor(QColor(FImage->Image.pixel(x, y)));
}

void TBitmap::SetPixel(int x, int y, TColor color)
{
    if (!FImage->Image.valid(x, y))
        return;
    FImage->Image.setPixel(x, y, ToQColor(color).rgb());
    Changed();
}

void TBitmap::Changed()
{
    if (OnChange)
        OnChange();
}
