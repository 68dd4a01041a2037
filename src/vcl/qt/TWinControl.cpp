#include "vcl/TWinControl.h"

#include "vcl/qt/Peer.h"

#include <algorithm>

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

void TWinControl::ApplyTabOrder()
{
    std::vector<TWinControl*> order;
    for (TControl* c : FControls)
        if (auto* container = dynamic_cast<TWinControl*>(c); container && WidgetOf(container))
            order.push_back(container);
    std::ranges::stable_sort(order, {}, &TWinControl::TabOrder);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(WidgetOf(order[i - 1]), WidgetOf(order[i]));
}
