#include "vcl/TMemo.h"

#include "vcl/TApplication.h"
#include "vcl/TFormReader.h"
#include "vcl/qt/Peer.h"
#include "vcl/qt/QtConvert.h"

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace {

// Space around the text, as the editor keeps it, so that the text stays in place when the
// editor takes over.
constexpr int TextMargin = 4;

// A line as the box shows it: bytes as Windows-1252, without the CR of a separator line.
QString ShownText(std::string_view line)
{
    QString text = ToQString(line);
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

// How the box lays out text in its font: line height, tab stops, and the width of every byte
// value, so that the width of a line is a sum and the widest of many lines is found quickly.
class TTextMeasure {
public:
    void SetFont(const QFont& font)
    {
        const QFontMetricsF metrics(font);
        FLineHeight = std::ceil(metrics.height());
        FTabStop = 8 * metrics.averageCharWidth();
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            FWidths[static_cast<std::size_t>(byte)] = metrics.horizontalAdvance(ShownText(std::string_view(&c, 1)));
        }
    }

    qreal LineHeight() const { return FLineHeight; }
    qreal TabStop() const { return FTabStop; }

    qreal Width(std::string_view line) const
    {
        qreal x = 0;
        for (const char c : line)
            x = c == '\t' ? (std::floor(x / FTabStop) + 1) * FTabStop : x + FWidths[static_cast<unsigned char>(c)];
        return x;
    }

private:
    std::array<qreal, 256> FWidths{};
    qreal FLineHeight = 1;
    qreal FTabStop = 1;
};

// Draws the lines of the list that are in view, straight from the list. The first touch of the
// mouse or the keyboard hands the box to the editor (OnEdit).
class LineView : public QAbstractScrollArea {
public:
    LineView()
    {
        setFocusPolicy(Qt::StrongFocus);
        viewport()->setBackgroundRole(QPalette::Base);
        viewport()->setAutoFillBackground(true);
        viewport()->setCursor(Qt::IBeamCursor);
        horizontalScrollBar()->setSingleStep(20);
        FMeasure.SetFont(font());
    }

    // The list to show; the view shows nothing before it has one (while its memo is being made).
    void SetLines(const TLineList& lines)
    {
        FLines = &lines;
        ListChanged();
    }

    std::function<void(QEvent& trigger)> OnEdit;
    const TTextMeasure& Measure() const { return FMeasure; }

    // The list changed: the view catches up once the program waits again, or when it is shown,
    // and shows the new list from its top left.
    void ListChanged()
    {
        FScrollHome = true;
        Remeasure();
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        Application->CallHandler([this] { Refresh(); });
        QAbstractScrollArea::showEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QAbstractScrollArea::resizeEvent(event);
        UpdateScrollRanges();
    }
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::FontChange) {
            FMeasure.SetFont(font());
            Remeasure();
        }
        QAbstractScrollArea::changeEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override { viewport()->update(); QAbstractScrollArea::focusInEvent(event); }
    void focusOutEvent(QFocusEvent* event) override { viewport()->update(); QAbstractScrollArea::focusOutEvent(event); }

    void paintEvent(QPaintEvent*) override
    {
        if (!FLines)
            return;
        QPainter painter(viewport());
        painter.setPen(palette().color(QPalette::Text));
        const qreal left = TextMargin - horizontalScrollBar()->value();
        const qreal lineHeight = FMeasure.LineHeight();
        QTextOption option(Qt::AlignLeft | Qt::AlignTop);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTabStopDistance(FMeasure.TabStop());

        const std::size_t first = static_cast<std::size_t>(verticalScrollBar()->value());
        const std::size_t end = std::min(FLines->Count(), first + VisibleLines() + 1);
        qreal top = TextMargin;
        for (std::size_t i = first; i < end; ++i, top += lineHeight) {
            const std::string_view line = FLines->Strings(i);
            painter.drawText(QRectF(left, top, FMeasure.Width(line) + lineHeight, lineHeight), ShownText(line), option);
        }
        // The caret of a box that has just taken the focus stands before the first character.
        if (hasFocus() && first == 0)
            painter.drawLine(QPointF(left, TextMargin), QPointF(left, TextMargin + lineHeight - 1));
    }

    void mousePressEvent(QMouseEvent* event) override { Edit(*event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { Edit(*event); }
    void contextMenuEvent(QContextMenuEvent* event) override { Edit(*event); }
    void inputMethodEvent(QInputMethodEvent* event) override { Edit(*event); }
    void keyPressEvent(QKeyEvent* event) override
    {
        // Tab moves the focus on, as in the editor; a modifier alone changes nothing.
        const bool changesNothing = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab ||
                                    event->key() == Qt::Key_Shift || event->key() == Qt::Key_Control ||
                                    event->key() == Qt::Key_Alt || event->key() == Qt::Key_Meta;
        if (changesNothing)
            QAbstractScrollArea::keyPressEvent(event);
        else
            Edit(*event);
    }

private:
    // The widest line or the line height changed: ranges and picture catch up once the program
    // waits again, or when the view is shown; a hidden view does nothing.
    void Remeasure()
    {
        FStale = true;
        if (FRefreshPosted || !isVisible())
            return;
        FRefreshPosted = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                FRefreshPosted = false;
                Application->CallHandler([this] { Refresh(); });
            },
            Qt::QueuedConnection);
    }

    void Edit(QEvent& trigger)
    {
        if (OnEdit)
            OnEdit(trigger);
    }

    std::size_t VisibleLines() const
    {
        return static_cast<std::size_t>(std::max(0.0, (viewport()->height() - TextMargin) / FMeasure.LineHeight()));
    }

    void Refresh()
    {
        if (!FStale || !FLines)
            return;
        FStale = false;
        FWidest = 0;
        for (std::size_t i = 0; i < FLines->Count(); ++i)
            FWidest = std::max(FWidest, FMeasure.Width(FLines->Strings(i)));
        UpdateScrollRanges();
        if (FScrollHome) {
            verticalScrollBar()->setValue(0);
            horizontalScrollBar()->setValue(0);
            FScrollHome = false;
        }
        viewport()->update();
    }

    void UpdateScrollRanges()
    {
        const std::size_t visible = std::max<std::size_t>(1, VisibleLines());
        const std::size_t count = FLines ? FLines->Count() : 0;
        verticalScrollBar()->setRange(0, static_cast<int>(count > visible ? count - visible : 0));
        verticalScrollBar()->setPageStep(static_cast<int>(visible));
        const int contentWidth = static_cast<int>(std::ceil(FWidest)) + 2 * TextMargin;
        horizontalScrollBar()->setRange(0, std::max(0, contentWidth - viewport()->width()));
        horizontalScrollBar()->setPageStep(viewport()->width());
    }

    const TLineList* FLines = nullptr;
    TTextMeasure FMeasure;
    qreal FWidest = 0;
    bool FStale = true;
    bool FScrollHome = false;
    bool FRefreshPosted = false;
};

// The box: the line view, and the editor that takes its place while the user edits the text.
class MemoWidget : public QWidget {
public:
    explicit MemoWidget(const TMemo* memo) : FMemo(memo), FStack(new QStackedLayout(this)), FView(new LineView)
    {
        setFocusPolicy(Qt::StrongFocus);
        FStack->setContentsMargins(0, 0, 0, 0);
        FStack->addWidget(FView);
        setFocusProxy(FView);
        FView->OnEdit = [this](QEvent& trigger) { BeginEditing(trigger); };
    }

    // The memo is whole: its lines can be shown.
    void Attach() { FView->SetLines(FMemo->Lines()); }

    void ListChanged()
    {
        if (FEditor) {
            const bool hadFocus = FEditor->hasFocus();
            setFocusProxy(FView);
            FStack->setCurrentWidget(FView);
            FEditor->deleteLater();
            FEditor = nullptr;
            if (hadFocus)
                FView->setFocus();
        }
        FView->ListChanged();
    }

    void SetScrollBars(TScrollStyle style)
    {
        const bool horizontal = style == ssHorizontal || style == ssBoth;
        const bool vertical = style == ssVertical || style == ssBoth;
        for (QAbstractScrollArea* area : {static_cast<QAbstractScrollArea*>(FView), static_cast<QAbstractScrollArea*>(FEditor)}) {
            if (!area)
                continue;
            area->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
            area->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        }
    }

private:
    // Hands the box to an editor holding the same text at the same place, and passes it the
    // click or key that started the editing.
    void BeginEditing(QEvent& trigger)
    {
        FEditor = new QPlainTextEdit;
        FEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
        FEditor->setTabChangesFocus(true);
        FEditor->setTabStopDistance(FView->Measure().TabStop());
        FEditor->setPlainText(AllLines());
        FStack->addWidget(FEditor);
        SetScrollBars(FMemo->ScrollBars());
        FEditor->verticalScrollBar()->setValue(FView->verticalScrollBar()->value());
        FEditor->horizontalScrollBar()->setValue(FView->horizontalScrollBar()->value());
        const bool hadFocus = FView->hasFocus();
        setFocusProxy(FEditor);
        FStack->setCurrentWidget(FEditor);
        if (hadFocus || trigger.type() != QEvent::KeyPress)
            FEditor->setFocus(Qt::MouseFocusReason);
        Forward(trigger);
    }

    void Forward(QEvent& trigger)
    {
        QWidget* target = FEditor->viewport();
        if (trigger.type() == QEvent::KeyPress || trigger.type() == QEvent::InputMethod)
            target = FEditor;
        if (auto* mouse = dynamic_cast<QMouseEvent*>(&trigger)) {
            QMouseEvent copy(mouse->type(), mouse->position(), mouse->scenePosition(), mouse->globalPosition(),
                             mouse->button(), mouse->buttons(), mouse->modifiers());
            QCoreApplication::sendEvent(target, &copy);
        } else if (auto* key = dynamic_cast<QKeyEvent*>(&trigger)) {
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(target, &copy);
        } else if (auto* menu = dynamic_cast<QContextMenuEvent*>(&trigger)) {
            QContextMenuEvent copy(menu->reason(), menu->pos(), menu->globalPos(), menu->modifiers());
            QCoreApplication::sendEvent(target, &copy);
        } else if (auto* input = dynamic_cast<QInputMethodEvent*>(&trigger)) {
            QInputMethodEvent copy(input->preeditString(), input->attributes());
            copy.setCommitString(input->commitString(), input->replacementStart(), input->replacementLength());
            QCoreApplication::sendEvent(target, &copy);
        }
    }

    QString AllLines() const
    {
        const TLineList& lines = FMemo->Lines();
        QStringList shown;
        shown.reserve(static_cast<qsizetype>(lines.Count()));
        for (std::size_t i = 0; i < lines.Count(); ++i)
            shown << ShownText(lines.Strings(i));
        return shown.join(u'\n');
    }

    const TMemo* FMemo;
    QStackedLayout* FStack;
    LineView* FView;
    QPlainTextEdit* FEditor = nullptr;
};

MemoWidget* MemoWidgetOf(const TMemo* memo)
{
    return static_cast<MemoWidget*>(WidgetOf(memo));
}

} // namespace

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner, MakePeer<MemoWidget>(this))
{
    MemoWidgetOf(this)->Attach();
    FLines.OnChange = [this] {
        if (MemoWidget* widget = MemoWidgetOf(this))
            widget->ListChanged();
    };
    SetBounds(0, 0, 185, 89);
    SetColor(clWindow);
}

TMemo::~TMemo()
{
    // The view reads the list: it goes first.
    delete WidgetOf(this);
}

void TMemo::SetScrollBars(TScrollStyle value)
{
    FScrollBars = value;
    if (MemoWidget* widget = MemoWidgetOf(this))
        widget->SetScrollBars(value);
}

void TMemo::ColorChanged()
{
    QWidget* widget = WidgetOf(this);
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    widget->setPalette(palette);
}

bool TMemo::ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader)
{
    if (name != "ScrollBars")
        return TWinControl::ReadProperty(name, value, reader);
    SetScrollBars(reader.Enumeration<TScrollStyle>(
        value, {{"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}}));
    return true;
}
