#include "vcl/TScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
TScreen TheScreen;
}
TScreen* Screen = &TheScreen;

namespace {
QRect ScreenGeometry()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}
} // namespace

int TScreen::Width() const { return ScreenGeometry().width(); }
int TScreen::Height() const { return ScreenGeometry().height(); }

int TScreen::PixelsPerInch() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(screen->logicalDotsPerInch() + 0.5) : 96;
}
