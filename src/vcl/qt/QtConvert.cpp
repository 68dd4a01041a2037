#include "vcl/qt/QtConvert.h"

#include "vcl/WinApi.h"

#include <QGuiApplication>
#include <QStringDecoder>
#include <QStringEncoder>

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& color)
{
    return static_cast<TColor>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

QPalette::ColorRole PaletteRoleOf(int index)
{
    switch (index) {
    case COLOR_WINDOW: return QPalette::Base;
    case COLOR_WINDOWTEXT: return QPalette::WindowText;
    case COLOR_HIGHLIGHT: return QPalette::Highlight;
    case COLOR_HIGHLIGHTTEXT: return QPalette::HighlightedText;
    case COLOR_BTNFACE: return QPalette::Button;
    case COLOR_BTNSHADOW: return QPalette::Mid;
    case COLOR_GRAYTEXT: return QPalette::PlaceholderText;
    case COLOR_BTNTEXT: return QPalette::ButtonText;
    case COLOR_BTNHIGHLIGHT: return QPalette::Light;
    case COLOR_3DDKSHADOW: return QPalette::Shadow;
    default: return QPalette::Window;
    }
}

DWORD GetSysColor(int index)
{
    const QColor c = QGuiApplication::palette().color(QPalette::Active, PaletteRoleOf(index));
    return static_cast<DWORD>(FromQColor(c));
}

QFont ToQFont(const TFont& font)
{
    QFont f(QString::fromStdString(font.Name()));
    // A negative height is the character height in pixels; a positive one the whole cell, of
    // which the character takes about seven eighths.
    const int pixels = font.Height() < 0 ? -font.Height() : font.Height() * 7 / 8;
    f.setPixelSize(pixels > 0 ? pixels : 11);
    f.setBold(font.Style() & fsBold);
    f.setItalic(font.Style() & fsItalic);
    f.setUnderline(font.Style() & fsUnderline);
    f.setStrikeOut(font.Style() & fsStrikeOut);
    return f;
}

Qt::CursorShape ToCursorShape(TCursor cursor)
{
    switch (cursor) {
    case crHandPoint: return Qt::PointingHandCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crHourGlass: return Qt::WaitCursor;
    default: return Qt::ArrowCursor;
    }
}

QString ToQString(std::string_view bytes)
{
    QStringDecoder decode("Windows-1252");
    if (!decode.isValid())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string FromQString(const QString& text)
{
    QStringEncoder encode("Windows-1252");
    const QByteArray bytes = encode.isValid() ? QByteArray(encode(text)) : text.toLatin1();
    return bytes.toStdString();
}
