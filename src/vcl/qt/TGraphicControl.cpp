#include "vcl/TGraphicControl.h"

#include "vcl/qt/DeviceContext.h"
#include "vcl/qt/Peer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

// Draws through the control's Paint and reports the mouse to the control.
class GraphicWidget : public QWidget {
public:
    explicit GraphicWidget(TGraphicControl* control) : FControl(control)
    {
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        TDeviceContextScope scope(FControl->Canvas()->Handle(), painter);
        FControl->Paint();
    }
    void enterEvent(QEnterEvent*) override { FControl->MouseEnter(); }
    void leaveEvent(QEvent*) override { FControl->MouseLeave(); }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            FControl->MouseDown(event->position().toPoint().x(), event->position().toPoint().y());
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            FControl->MouseUp(event->position().toPoint().x(), event->position().toPoint().y());
    }

private:
    TGraphicControl* FControl;
};

} // namespace

TGraphicControl::TGraphicControl(TComponent* AOwner) : TGraphicControl(AOwner, nullptr) {}

TGraphicControl::TGraphicControl(TComponent* AOwner, std::unique_ptr<TPeer> APeer)
    : TControl(AOwner, APeer ? std::move(APeer) : MakePeer<GraphicWidget>(this)),
      FCanvas(std::make_unique<TCanvas>())
{
    FCanvas->SetFont(Font());
}

void TGraphicControl::FontChanged()
{
    // The canvas draws in the control's font.
    FCanvas->SetFont(Font());
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::MouseDown(int, int)
{
    FMousePressed = true;
}

void TGraphicControl::MouseUp(int x, int y)
{
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    const bool click = FMousePressed && inside;
    FMousePressed = false;
    if (click)
        Click();
}
