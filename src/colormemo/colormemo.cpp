#include "colormemo/colormemo.h"

#include "colormemo/colorhighlighter.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

// The strip left of the text that shows the line numbers.
class LineNumberGutter : public QWidget
{
public:
    explicit LineNumberGutter(TColorMemo *memo)
        : QWidget(memo)
        , m_memo(memo)
    {
    }

protected:
    void paintEvent(QPaintEvent *event) override { m_memo->paintGutter(event); }

private:
    TColorMemo *m_memo;
};

TColorMemo::TColorMemo(QWidget *owner)
    : TColorMemo(*new DocumentText, owner)
{
    m_text->setParent(this);
}

TColorMemo::TColorMemo(DocumentText &text, QWidget *owner)
    : QPlainTextEdit(owner)
    , m_text(&text)
{
    QTextDocument *document = text.document();
    if (!qobject_cast<QPlainTextDocumentLayout *>(document->documentLayout()))
        document->setDocumentLayout(new QPlainTextDocumentLayout(document));
    setDocument(document);
    m_text->setView(this);
    m_colors = new TColorHighlighter(this);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

TColorMemo::~TColorMemo()
{
    // The colouring watches the viewport; it must go before the widget parts
    // it looks at are torn down (found by fuzzing with UBSan).
    delete m_colors;
    m_text->setView(nullptr);
}

int TColorMemo::FirstVisibleLine()
{
    m_firstVisibleLine = lineOf(firstVisibleBlock());
    return m_firstVisibleLine;
}

void TColorMemo::ScrollLines(int count)
{
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() + count);
}

QMimeData *TColorMemo::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(m_text->selectedPlainText());
    return data;
}

void TColorMemo::linesChanged()
{
    fitGutter();
    if (m_gutter)
        m_gutter->update();
}

void TColorMemo::stepOverSoftBreak(const QKeyEvent *event)
{
    QTextCursor cursor = textCursor();
    // A selection of nothing but soft separators is no selection.
    if (cursor.hasSelection() && m_text->SelLength() == 0) {
        cursor.setPosition(cursor.position());
        setTextCursor(cursor);
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
        return;
    const QTextBlock block = cursor.block();
    const bool atPieceStart = cursor.atBlockStart() && !m_text->startsLine(block);
    const bool atPieceEnd = cursor.atBlockEnd() && m_text->endsSoftly(block);
    const QTextCursor::MoveMode mode =
        modifiers == Qt::ShiftModifier ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    const int key = event->key();
    if (atPieceStart && (key == Qt::Key_Left || (key == Qt::Key_Backspace && !cursor.hasSelection())))
        cursor.setPosition(cursor.position() - 1, mode);
    else if (atPieceEnd && (key == Qt::Key_Right || (key == Qt::Key_Delete && !cursor.hasSelection())))
        cursor.setPosition(cursor.position() + 1, mode);
    else
        return;
    setTextCursor(cursor);
}

bool TColorMemo::WordWrap() const
{
    return lineWrapMode() != QPlainTextEdit::NoWrap;
}

void TColorMemo::SetWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

void TColorMemo::SetLineNumbers(bool on)
{
    if (on == LineNumbers())
        return;
    if (on) {
        m_gutter = new LineNumberGutter(this);
        connect(this, &QPlainTextEdit::blockCountChanged, this, &TColorMemo::fitGutter);
        connect(this, &QPlainTextEdit::updateRequest, m_gutter, [this](const QRect &rect, int dy) {
            if (dy != 0)
                m_gutter->scroll(0, dy);
            else
                m_gutter->update(0, rect.y(), m_gutter->width(), rect.height());
        });
        m_gutter->show();
    } else {
        disconnect(this, &QPlainTextEdit::blockCountChanged, this, &TColorMemo::fitGutter);
        delete m_gutter;
        m_gutter = nullptr;
    }
    fitGutter();
}

void TColorMemo::fitGutter()
{
    int width = 0;
    if (m_gutter) {
        const int digits = int(QString::number(std::max(1, LineCount())).size());
        width = fontMetrics().horizontalAdvance(QLatin1Char('9')) * (digits + 1) + 4;
    }
    if (viewportMargins().left() != width)
        setViewportMargins(width, 0, 0, 0);
    if (m_gutter) {
        const QRect area = contentsRect();
        m_gutter->setGeometry(area.left(), area.top(), width, area.height());
    }
}

void TColorMemo::paintGutter(QPaintEvent *event)
{
    QPainter painter(m_gutter);
    const QPalette colors = palette();
    painter.fillRect(event->rect(), colors.window());
    painter.setPen(colors.placeholderText().color());
    painter.setFont(font());
    const int width = m_gutter->width() - fontMetrics().horizontalAdvance(QLatin1Char('9')) / 2 - 2;
    const int bottom = event->rect().bottom();
    // Only the blocks on screen: the cost does not grow with the document.
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF rect = blockBoundingGeometry(block).translated(contentOffset());
        if (rect.top() > bottom)
            break;
        if (!block.isVisible() || rect.bottom() < event->rect().top() || !startsLine(block))
            continue;
        const QTextLayout *layout = block.layout();
        const qreal lineHeight = layout && layout->lineCount() > 0 ? layout->lineAt(0).height()
                                                                    : fontMetrics().height();
        painter.drawText(QRectF(0, rect.top() + (layout ? layout->position().y() : 0), width, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(lineOf(block) + 1));
    }
}

void TColorMemo::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    if (m_gutter)
        fitGutter();
}

void TColorMemo::setReservedShortcuts(const QList<QKeySequence> &shortcuts)
{
    m_reserved = shortcuts;
}

bool TColorMemo::event(QEvent *event)
{
    // Let the window's commands have their keys instead of the control's
    // built-in editing (undo, select all, delete word ...).
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        if (m_reserved.contains(pressed)) {
            event->ignore();
            return false;
        }
    }
    const bool handled = QPlainTextEdit::event(event);
    if (event->type() == QEvent::FontChange && m_gutter)
        fitGutter();
    return handled;
}

TDrawRules &TColorMemo::ColorRules()
{
    return m_colors->ColorRules();
}

void TColorMemo::paintEvent(QPaintEvent *event)
{
    // The colours are formats of the text, drawn with it in one go.
    m_colors->prepare(event->rect());
    QPlainTextEdit::paintEvent(event);
    m_colors->paintKeys(event->rect());
}

void TColorMemo::keyPressEvent(QKeyEvent *event)
{
    m_text->beginUserEdit(event->text());
    stepOverSoftBreak(event);
    QPlainTextEdit::keyPressEvent(event);
    m_text->endUserEdit();
}

void TColorMemo::inputMethodEvent(QInputMethodEvent *event)
{
    m_text->beginUserEdit(event->commitString());
    QPlainTextEdit::inputMethodEvent(event);
    m_text->endUserEdit();
}

void TColorMemo::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!data || !data->hasText() || isReadOnly()) {
        QPlainTextEdit::dropEvent(event);
        return;
    }
    // Dropped here rather than by the base class, whose move of a selection
    // is one edit spanning the text between the two places.
    m_text->finishLoading();
    const QString text = data->text();
    int at = fromDocumentPosition(cursorForPosition(event->position().toPoint()).position());
    const bool move = event->dropAction() == Qt::MoveAction
        && (event->source() == this || event->source() == viewport());
    if (move) {
        const int start = SelStart();
        const int length = SelLength();
        if (at >= start && at <= start + length)
            at = -1; // onto itself
        else
            SetSelText(QString());
        if (at > start)
            at -= length;
    }
    if (at >= 0) {
        SetSelStart(at);
        SetSelText(text);
    }
    event->acceptProposedAction();
    QDragLeaveEvent leave;
    QPlainTextEdit::dragLeaveEvent(&leave); // ends the drag's feedback
    setFocus();
}

void TColorMemo::insertFromMimeData(const QMimeData *source)
{
    if (source && source->hasText()) {
        SetSelText(source->text());
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}
