#include "vcl/TGraphicControl.h"

#include "vcl/TApplication.h"
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
    // Each call into the control goes through the application, which shows an exception that
    // leaves it rather than letting it into the windowing system.
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        TDeviceContextScope scope(FControl->Canvas()->Handle(), painter);
        Application->CallHandler([this] { FControl->Paint(); });
    }
    void enterEvent(QEnterEvent*) override { Application->CallHandler([this] { FControl->MouseEnter(); }); }
    void leaveEvent(QEvent*) override { Application->CallHandler([this] { FControl->MouseLeave(); }); }
    void mousePressEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton)
            Application->CallHandler([this, at] { FControl->MouseDown(at.x(), at.y()); });
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton)
            Application->CallHandler([this, at] { FControl->MouseUp(at.x(), at.y()); });
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
