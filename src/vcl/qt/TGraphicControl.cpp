#include "vcl/TGraphicControl.h"

#include "vcl/qt/DeviceContext.h"
#include "vcl/qt/Peer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

// Draws through the control's Paint and turns a press and release inside it into a click.
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
    void mousePressEvent(QMouseEvent* event) override
    {
        FPressed = event->button() == Qt::LeftButton;
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        FPressed = false;
        if (click)
            FControl->Click();
    }

private:
    TGraphicControl* FControl;
    bool FPressed = false;
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
