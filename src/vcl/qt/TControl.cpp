#include "vcl/TControl.h"

#include "vcl/TApplication.h"
#include "vcl/TWinControl.h"
#include "vcl/qt/Peer.h"
#include "vcl/qt/QtConvert.h"

TControl::TControl(TComponent* AOwner, std::unique_ptr<TPeer> APeer)
    : TComponent(AOwner), FPeer(std::move(APeer)), FFont(std::make_unique<TFont>())
{
    FFont->OnChange = [this] {
        if (!FFollowingParent)
            FParentFont = false;
        ApplyFont();
        FontChanged();
    };
    ApplyFont();
}

TControl::~TControl()
{
    DestroyComponents();
    if (FParent)
        FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent)
{
    if (AParent == FParent)
        return;
    if (FParent)
        FParent->RemoveControl(this);
    FParent = AParent;
    QWidget* widget = WidgetOf(this);
    if (FParent) {
        FParent->InsertControl(this);
        if (widget) {
            widget->setParent(WidgetOf(FParent));
            widget->setGeometry(ToQRect(BoundsRect()));
            widget->raise();
            widget->setVisible(FVisible);
        }
        if (FParentFont)
            ParentFontChanged(*FParent->Font());
        if (FAlign != alNone)
            FParent->Realign();
    } else if (widget) {
        widget->hide();
        widget->setParent(nullptr);
    }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (QWidget* widget = WidgetOf(this); widget && FParent)
        widget->setGeometry(ALeft, ATop, std::max(0, AWidth), std::max(0, AHeight));
    BoundsChanged();
}

void TControl::SetAlign(TAlign value)
{
    FAlign = value;
    if (FParent)
        FParent->Realign();
}

void TControl::SetVisible(bool value)
{
    FVisible = value;
    if (QWidget* widget = WidgetOf(this); widget && FParent)
        widget->setVisible(value);
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

void TControl::SetCursor(TCursor value)
{
    FCursor = value;
    if (QWidget* widget = WidgetOf(this)) {
        if (value == crDefault)
            widget->unsetCursor();
        else
            widget->setCursor(ToCursorShape(value));
    }
}

void TControl::SetColor(TColor value)
{
    FColor = value;
    ColorChanged();
}

void TControl::ColorChanged()
{
    QWidget* widget = WidgetOf(this);
    if (!widget)
        return;
    // A system colour follows the palette; any other colour is fixed.
    if (IsSystemColor(FColor)) {
        widget->setBackgroundRole(PaletteRoleOf(FColor & 0xFF));
    } else {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, ToQColor(FColor));
        widget->setPalette(palette);
        widget->setBackgroundRole(QPalette::Window);
    }
    widget->update();
}

void TControl::SetParentFont(bool value)
{
    FParentFont = value;
    if (value && FParent)
        ParentFontChanged(*FParent->Font());
}

void TControl::ParentFontChanged(const TFont& parentFont)
{
    if (!FParentFont)
        return;
    FFollowingParent = true;
    FFont->Assign(parentFont);
    FFollowingParent = false;
}

void TControl::ApplyFont()
{
    QWidget* widget = WidgetOf(this);
    if (!widget)
        return;
    widget->setFont(ToQFont(*FFont));
    QPalette palette = widget->palette();
    const QColor text = ToQColor(FFont->Color());
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, text);
    widget->setPalette(palette);
}

void TControl::Invalidate()
{
    if (QWidget* widget = WidgetOf(this))
        widget->update();
}

void TControl::SendToBack()
{
    if (FParent)
        FParent->MoveToBack(this);
    if (QWidget* widget = WidgetOf(this))
        widget->lower();
}

void TControl::BringToFront()
{
    if (FParent)
        FParent->MoveToFront(this);
    if (QWidget* widget = WidgetOf(this))
        widget->raise();
}

void TControl::Click()
{
    if (OnClick)
        Application->CallHandler([this] { OnClick(this); });
}

bool TControl::DialogChar(char)
{
    return false;
}

bool TControl::Showing() const
{
    const QWidget* widget = WidgetOf(this);
    return widget && widget->isVisible();
}
