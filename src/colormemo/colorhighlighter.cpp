#include "colormemo/colorhighlighter.h"

#include "colormemo/colormemo.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace {

bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

} // namespace

TColorHighlighter::TColorHighlighter(TColorMemo *memo)
    : QObject(memo)
    , m_memo(memo)
{
    connect(memo, &QPlainTextEdit::textChanged, this, &TColorHighlighter::textChanged);
    connect(memo->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        Q_EMIT OnVScroll(m_memo);
        PaintColors(false);
    });
    connect(memo->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        Q_EMIT OnHScroll(m_memo);
        PaintColors(false);
    });
    memo->installEventFilter(this);
    memo->viewport()->installEventFilter(this);
}

void TColorHighlighter::setColorRules(const TDrawRules &rules)
{
    m_pass.rules().Assign(rules);
    PaintColors(false);
}

void TColorHighlighter::setHotSpot(const THotSpot &hotSpot)
{
    m_pass.hotSpot() = hotSpot;
    if (hotSpot.Active)
        m_memo->viewport()->setMouseTracking(true);
    PaintColors(false);
}

int TColorHighlighter::ColorLimMax() const
{
    return m_pass.drawSource().ColorLimMax();
}

void TColorHighlighter::setColorLimMax(int count)
{
    m_pass.drawSource().setColorLimMax(count);
}

void TColorHighlighter::setOnDraw(const TDrawEvent &handler)
{
    m_pass.drawSource().setOnDraw(handler);
}

bool TColorHighlighter::canColor() const
{
    return m_pass.hasWork() && m_memo->isEnabled();
}

void TColorHighlighter::PaintColors(bool caretLineOnly)
{
    if (!canColor())
        return;
    QWidget *viewport = m_memo->viewport();
    if (!caretLineOnly) {
        viewport->update();
        return;
    }
    const QTextBlock caretBlock = m_memo->textCursor().block();
    viewport->update(m_memo->blockBoundingGeometry(caretBlock)
                         .translated(m_memo->contentOffset())
                         .toAlignedRect());
}

void TColorHighlighter::paint(QPaintEvent *event)
{
    m_runs.clear();
    if (!canColor())
        return;
    const QRect area = event->rect();

    // The lines the paint covers, partly covered ones included.
    std::vector<VisibleBlock> blocks;
    for (QTextBlock block = m_memo->firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF rect = m_memo->blockBoundingGeometry(block).translated(m_memo->contentOffset());
        if (rect.top() > area.bottom())
            break;
        if (block.isVisible() && rect.bottom() >= area.top())
            blocks.emplace_back(block, m_memo->blockOffset(block), rect.topLeft(), area);
    }
    if (blocks.empty())
        return;

    const QTextBlock scanBlock =
        m_memo->lineBlock(m_pass.rules().scanStartLine(m_memo->lineOf(blocks.front().block)));
    const QTextBlock after = blocks.back().block.next();
    const PassRegion lines{m_memo->blockOffset(scanBlock),
                           after.isValid() ? m_memo->blockOffset(after) : m_memo->TextLength()};
    copyRegion(scanBlock, limitRegion(lines, blocks.front().start + blocks.front().from,
                                      blocks.back().start + blocks.back().to));

    const QPalette palette = m_memo->palette();
    PassInput input;
    input.text = m_buffer;
    input.startPos = m_bufferStart;
    input.selStart = m_memo->SelStart();
    input.selLength = m_memo->SelLength();
    QTextBlock caretBlock = m_memo->document()->findBlock(m_memo->textCursor().selectionStart());
    while (!m_memo->startsLine(caretBlock))
        caretBlock = caretBlock.previous();
    input.caretLineStart = m_memo->blockOffset(caretBlock);
    input.caretPos = input.selStart;
    input.wantTabs = !m_memo->tabChangesFocus();
    input.redrawAlways = m_redrawAlways;
    input.fontColor = fromQColor(palette.text().color());
    input.backgroundColor = fromQColor(palette.base().color());
    m_runs = m_pass.run(input);

    QPainter painter(m_memo->viewport());
    painter.setFont(m_memo->font());
    // The caret, shown only with the focus, keeps the control's drawing.
    const QRect caret = m_memo->hasFocus() ? m_memo->cursorRect() : QRect();
    RunPainter(painter, area, palette, caret, m_pass.hotSpot(), m_onDrawKey)
        .draw(blocks, m_runs);
}

void TColorHighlighter::copyRegion(QTextBlock block, const PassRegion &region)
{
    // Only the scanned lines are copied, never the whole text.
    m_buffer.clear();
    m_bufferStart = region.scanStart;
    for (; block.isValid(); block = block.next()) {
        const int start = m_memo->blockOffset(block);
        if (start >= region.end)
            break;
        QString text = block.text();
        const QTextBlock next = block.next();
        if (next.isValid() && m_memo->startsLine(next))
            text += QLatin1String("\r\n");
        if (start + text.size() <= region.scanStart)
            continue;
        const int from = qMax(region.scanStart - start, 0);
        const int to = qMin(region.end - start, int(text.size()));
        m_buffer += QStringView(text).mid(from, to - from);
    }
}

void TColorHighlighter::textChanged()
{
    const int lines = m_memo->LineCount();
    const int length = m_memo->TextLength();
    // One character typed on a line: only that line can have changed colour.
    const bool oneTyped = !m_redrawAlways && lines == m_lastLineCount && length == m_lastLength + 1;
    m_lastLineCount = lines;
    m_lastLength = length;
    PaintColors(oneTyped);
}

bool TColorHighlighter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_memo->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && mouse->modifiers() == Qt::NoModifier)
                PaintColors(false);
            break;
        }
        case QEvent::MouseButtonRelease: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton)
                PaintColors(false);
            if (m_pass.hotSpot().Active)
                mouseReleased(mouse->position().toPoint());
            break;
        }
        case QEvent::MouseMove:
            if (m_pass.hotSpot().Active)
                mouseMoved(static_cast<QMouseEvent *>(event)->position().toPoint());
            break;
        default:
            break;
        }
    } else if (watched == m_memo) {
        if (event->type() == QEvent::KeyPress)
            return keyPressed(static_cast<QKeyEvent *>(event));
        if (event->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const Qt::KeyboardModifiers others = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
            if (key->key() == Qt::Key_Shift && others == Qt::NoModifier)
                PaintColors(false);
        }
    }
    return QObject::eventFilter(watched, event);
}

bool TColorHighlighter::keyPressed(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    QTextCursor cursor = m_memo->textCursor();
    if (!isNavigationKey(event->key()) || modifiers != Qt::NoModifier || !cursor.hasSelection())
        return false;
    // The key moves on from the selection's end.
    cursor.setPosition(cursor.selectionEnd());
    m_memo->setTextCursor(cursor);
    PaintColors(false);
    return false;
}

bool TColorHighlighter::characterAt(const QPoint &pos, QTextBlock *block, int *column) const
{
    *block = m_memo->cursorForPosition(pos).block();
    const QTextLayout *layout = block->layout();
    if (!block->isValid() || !layout)
        return false;
    const QPointF offset =
        m_memo->blockBoundingGeometry(*block).translated(m_memo->contentOffset()).topLeft();
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        const qreal top = offset.y() + line.y();
        if (pos.y() >= top && pos.y() < top + line.height()) {
            *column = line.xToCursor(pos.x() - offset.x(), QTextLine::CursorOnCharacter);
            return true;
        }
    }
    return false;
}

void TColorHighlighter::mouseMoved(const QPoint &pos)
{
    QTextBlock block;
    int column = 0;
    const bool over = characterAt(pos, &block, &column)
        && m_pass.hotSpot().isOver(QStringView(block.text()).mid(column));
    const Qt::CursorShape shape = over ? Qt::PointingHandCursor : Qt::IBeamCursor;
    if (m_memo->viewport()->cursor().shape() != shape)
        m_memo->viewport()->setCursor(shape);
}

void TColorHighlighter::mouseReleased(const QPoint &pos)
{
    if (m_memo->viewport()->cursor().shape() != Qt::PointingHandCursor)
        return;
    QTextBlock block;
    int column = 0;
    if (!characterAt(pos, &block, &column))
        return;
    const QString src = m_pass.hotSpot().textAt(block.text(), column);
    if (!src.isNull())
        Q_EMIT OnHotSpotClick(m_memo, src);
}
