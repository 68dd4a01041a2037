#pragma once
// The Qt widget behind a control. The control owns its peer; Qt may delete the widget first when
// the parent widget goes, so the peer only holds a guarded pointer.

#include "vcl/TControl.h"

#include <QPointer>
#include <QWidget>
#include <memory>

class TPeer {
public:
    explicit TPeer(QWidget* widget) : FWidget(widget) {}
    ~TPeer() { delete FWidget.data(); }

    TPeer(const TPeer&) = delete;
    TPeer& operator=(const TPeer&) = delete;

    QWidget* Widget() const { return FWidget.data(); }

private:
    QPointer<QWidget> FWidget;
};

// Makes the peer of a control around a new widget of the given class.
template <class TWidget, class... Args>
std::unique_ptr<TPeer> MakePeer(Args&&... args)
{
    return std::make_unique<TPeer>(new TWidget(std::forward<Args>(args)...));
}

// The widget of a control, or null while it has none (the window system took it down).
inline QWidget* WidgetOf(const TControl* control)
{
    return control && control->Peer() ? control->Peer()->Widget() : nullptr;
}
