#include "vcl/TForm.h"

#include "vcl/TApplication.h"
#include "vcl/TScreen.h"
#include "vcl/qt/Icon.h"
#include "vcl/qt/Peer.h"
#include "vcl/qt/QtConvert.h"

#include <QAbstractEventDispatcher>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QWidget>

namespace {

// A top-level window that reports the window system's moves, resizes and close requests to its
// form.
class FormWidget : public QWidget {
public:
    explicit FormWidget(TForm* form) : QWidget(nullptr, Qt::Window), FForm(form)
    {
        setAutoFillBackground(true);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        // The form decides: a modal one ends its loop and hides when the loop is over.
        event->ignore();
        Application->CallHandler([this] { FForm->Close(); });
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        // A letter or digit that no focused control took, alone or with Alt, presses the button
        // whose caption marks it, as the platform's dialogs do.
        const int key = event->key();
        const bool plain = (event->modifiers() & ~(Qt::AltModifier | Qt::KeypadModifier)) == Qt::NoModifier;
        const bool accelKey = (key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9);
        bool handled = false;
        if (plain && accelKey)
            Application->CallHandler([&] { handled = FForm->DialogChar(static_cast<char>(key)); });
        if (!handled)
            QWidget::keyPressEvent(event);
    }
    void moveEvent(QMoveEvent*) override { Report(); }
    void resizeEvent(QResizeEvent*) override { Report(); }

private:
    void Report()
    {
        if (isVisible())
            Application->CallHandler([this] { FForm->NativeBoundsChanged(x(), y(), width(), height()); });
    }

    TForm* FForm;
};

} // namespace

TForm::TForm(TComponent* AOwner)
    : TWinControl(AOwner, MakePeer<FormWidget>(this)), FCanvas(std::make_unique<TCanvas>()),
      FIcon(std::make_unique<TIcon>())
{
    FIcon->OnChange = [this] {
        if (QWidget* widget = WidgetOf(this))
            widget->setWindowIcon(FIcon->Empty() ? QIcon() : QIcon(QPixmap::fromImage(FIcon->Handle()->Picture)));
    };
    SetVisible(false);
    FCanvas->SetFont(Font());
    SetBounds(0, 0, 320, 240);
    ColorChanged();
}

TForm::~TForm()
{
    DestroyComponents();
}

void TForm::SetCaption(std::string_view value)
{
    FCaption = value;
    if (QWidget* widget = WidgetOf(this))
        widget->setWindowTitle(ToQString(FCaption));
}

TRect TForm::ClientRect() const
{
    return Rect(0, 0, std::max(0, Width() - FFrameWidth), std::max(0, Height() - FFrameHeight));
}

void TForm::SetClientWidth(int value) { SetWidth(value + FFrameWidth); }
void TForm::SetClientHeight(int value) { SetHeight(value + FFrameHeight); }

void TForm::SetFormStyle(TFormStyle value)
{
    FFormStyle = value;
    ApplyWindowFlags();
}

void TForm::SetBorderStyle(TFormBorderStyle value)
{
    FBorderStyle = value;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags()
{
    QWidget* widget = WidgetOf(this);
    if (!widget)
        return;
    Qt::WindowFlags flags = Qt::Window;
    if (FBorderStyle == bsDialog)
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                Qt::WindowCloseButtonHint;
    else if (FBorderStyle == bsNone)
        flags |= Qt::FramelessWindowHint;
    if (FFormStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    const bool shown = widget->isVisible();
    widget->setWindowFlags(flags);
    BoundsChanged();
    if (shown)
        widget->show();
}

void TForm::BoundsChanged()
{
    if (FSyncingFromNative)
        return;
    QWidget* widget = WidgetOf(this);
    if (!widget)
        return;
    widget->move(Left(), Top());
    const int w = ClientWidth(), h = ClientHeight();
    if (FBorderStyle == bsDialog)
        widget->setFixedSize(w, h);
    else
        widget->resize(w, h);
}

void TForm::NativeBoundsChanged(int ALeft, int ATop, int AClientWidth, int AClientHeight)
{
    QWidget* widget = WidgetOf(this);
    if (widget) {
        const QRect frame = widget->frameGeometry();
        FFrameWidth = frame.width() - widget->width();
        FFrameHeight = frame.height() - widget->height();
    }
    const int width = AClientWidth + FFrameWidth, height = AClientHeight + FFrameHeight;
    if (ALeft == Left() && ATop == Top() && width == Width() && height == Height())
        return;
    FSyncingFromNative = true;
    SetBounds(ALeft, ATop, width, height);
    FSyncingFromNative = false;
}

void TForm::PlaceOnScreen()
{
    if (FPosition == poScreenCenter)
        SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
}

void TForm::SetVisible(bool value)
{
    QWidget* widget = WidgetOf(this);
    if (value && widget && !widget->isVisible())
        PlaceOnScreen();
    TWinControl::SetVisible(value);
    if (widget && !Parent())
        widget->setVisible(value);
}

TModalResult TForm::ShowModal()
{
    QWidget* widget = WidgetOf(this);
    FModalResult = mrNone;
    FModal = true;
    widget->setWindowModality(Qt::ApplicationModal);
    Show();
    widget->activateWindow();
    while (FModalResult == mrNone && !Application->Terminated())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (FModalResult == mrNone)
        FModalResult = mrCancel;
    FModal = false;
    Hide();
    widget->setWindowModality(Qt::NonModal);
    return FModalResult;
}

void TForm::SetModalResult(TModalResult value)
{
    FModalResult = value;
    // Wakes a modal loop that waits for events, so it sees the result at once.
    if (FModal && value != mrNone)
        if (auto* dispatcher = QAbstractEventDispatcher::instance())
            dispatcher->wakeUp();
}

void TForm::Close()
{
    if (FModal)
        SetModalResult(mrCancel);
    else if (Application->MainForm() == this)
        Application->Terminate();
    else
        Hide();
}
