#include "vcl/WindowHarness.h"

#include "vcl/qt/BitmapImage.h"
#include "vcl/qt/Peer.h"

#include <QApplication>
#include <cctype>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

namespace WindowHarness {

void Grab(const TControl* control, TBitmap& picture)
{
    const QWidget* widget = WidgetOf(control);
    if (!widget || widget->width() <= 0 || widget->height() <= 0) {
        picture.SetSize(0, 0);
        return;
    }
    // Grabbing the window rather than the control alone brings in what shows through from behind.
    QWidget* window = widget->window();
    const QRect area(widget->mapTo(window, QPoint(0, 0)), widget->size());
    SetBitmapImage(picture, window->grab(area).toImage());
}

void Render(const TControl* control, TBitmap& picture)
{
    QWidget* widget = WidgetOf(control);
    if (!widget || widget->width() <= 0 || widget->height() <= 0) {
        picture.SetSize(0, 0);
        return;
    }
    if (picture.Width() != widget->width() || picture.Height() != widget->height())
        picture.SetSize(widget->width(), widget->height());
    widget->render(&picture.Image().Image);
}

void SaveScreenshot(const TControl* control, const std::string& fileName)
{
    TBitmap picture;
    Grab(control, picture);
    picture.SaveToFile(fileName);
}

void ProcessPaints()
{
    // Repaints are posted as low-priority events, behind everything else that is waiting.
    QApplication::processEvents(QEventLoop::AllEvents);
    QApplication::sendPostedEvents();
    QApplication::processEvents(QEventLoop::AllEvents);
}

namespace {

void SendMouse(QWidget* widget, QEvent::Type type, int x, int y)
{
    if (!widget)
        return;
    const QPointF local(x, y);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void SendEnter(QWidget* widget)
{
    if (!widget)
        return;
    const QPointF middle(widget->width() / 2.0, widget->height() / 2.0);
    QEnterEvent event(middle, middle, widget->mapToGlobal(middle));
    QApplication::sendEvent(widget, &event);
}

void SendLeave(QWidget* widget)
{
    if (!widget)
        return;
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void MouseEnter(TControl* control) { SendEnter(WidgetOf(control)); }
void MouseLeave(TControl* control) { SendLeave(WidgetOf(control)); }
void MouseDown(TControl* control, int x, int y) { SendMouse(WidgetOf(control), QEvent::MouseButtonPress, x, y); }
void MouseUp(TControl* control, int x, int y) { SendMouse(WidgetOf(control), QEvent::MouseButtonRelease, x, y); }

void Click(TControl* control)
{
    // The click may free the control (its dialog closes), so only its guarded widget is used after.
    const QPointer<QWidget> widget = WidgetOf(control);
    const int x = control->Width() / 2, y = control->Height() / 2;
    SendEnter(widget);
    SendMouse(widget, QEvent::MouseButtonPress, x, y);
    SendMouse(widget, QEvent::MouseButtonRelease, x, y);
    SendLeave(widget);
}

void KeyPress(TControl* window, char key, bool withAlt)
{
    QWidget* widget = WidgetOf(window);
    if (!widget)
        return;
    QWidget* target = widget->focusWidget() ? widget->focusWidget() : widget;
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    const int code = upper >= 'A' && upper <= 'Z' ? Qt::Key_A + (upper - 'A') : Qt::Key_0 + (upper - '0');
    const Qt::KeyboardModifiers modifiers = withAlt ? Qt::AltModifier : Qt::NoModifier;
    const QString text(QChar::fromLatin1(key));
    QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
    QApplication::sendEvent(target, &release);
}

} // namespace WindowHarness
