#include "vcl/TPanel.h"

#include "vcl/qt/Peer.h"
#include "vcl/qt/QtConvert.h"

#include <QPainter>
#include <QWidget>

namespace {

// Fills with the panel's colour, draws the raised bevel and the centred caption.
class PanelWidget : public QWidget {
public:
    explicit PanelWidget(TPanel* panel) : FPanel(panel)
    {
        setAutoFillBackground(true);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        if (!FPanel->Caption().empty()) {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(rect(), Qt::AlignCenter, ToQString(FPanel->Caption()));
        }
    }

private:
    TPanel* FPanel;
};

} // namespace

TPanel::TPanel(TComponent* AOwner) : TWinControl(AOwner, MakePeer<PanelWidget>(this))
{
    SetBounds(0, 0, 185, 41);
    ColorChanged();
}

void TPanel::SetCaption(std::string_view value)
{
    FCaption = value;
    Invalidate();
}

TRect TPanel::AlignRect() const
{
    TRect r = ClientRect();
    return Rect(r.Left + BevelWidth, r.Top + BevelWidth, r.Right - BevelWidth, r.Bottom - BevelWidth);
}
