#include "vcl/TWinControl.h"

#include "vcl/qt/Peer.h"

TWinControl::TWinControl(TComponent* AOwner, std::unique_ptr<TPeer> APeer)
    : TControl(AOwner, std::move(APeer))
{
}

TWinControl::~TWinControl()
{
    // Owned components go while this container is still whole; children that others own let go
    // of it (Qt takes their widgets down with ours).
    DestroyComponents();
    for (TControl* child : FControls)
        child->FParent = nullptr;
    FControls.clear();
}

bool TWinControl::CanFocus() const
{
    const QWidget* widget = WidgetOf(this);
    return widget && widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
}

void TWinControl::SetFocus()
{
    if (QWidget* widget = WidgetOf(this))
        widget->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::Focused() const
{
    const QWidget* widget = WidgetOf(this);
    return widget && widget->hasFocus();
}
