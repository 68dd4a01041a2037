#pragma once
// Conversions between our platform types and Qt's.

#include "vcl/TFont.h"
#include "vcl/Types.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <Qt>
#include <string>
#include <string_view>

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
// The palette role that stands for a system colour index; Window when there is none.
QPalette::ColorRole PaletteRoleOf(int systemColorIndex);
QFont ToQFont(const TFont& font);
Qt::CursorShape ToCursorShape(TCursor cursor);
inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

// Texts are bytes; the window shows them as Windows-1252.
QString ToQString(std::string_view bytes);
std::string FromQString(const QString& text);
