#include "colormemo/colorhighlighter.h"

#include "colormemo/colormemo.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QRegion>
#include <QSignalBlocker>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

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
    connect(memo->document(), &QTextDocument::contentsChange, this,
            [this](int from, int removed, int added) { m_formatted.replaced(from, removed, added); });
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

void TColorHighlighter::prepare(const QRect &area)
{
    m_runs.clear();
    m_blocks.clear();
    const bool colour = canColor();
    if (!colour && m_formatted.isEmpty())
        return;

    // The blocks the paint covers, each with all its lines on screen, so
    // that a paint of a part of a block does not change its formats.
    const QRect view = m_memo->viewport()->rect();
    for (QTextBlock block = m_memo->firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF rect = m_memo->blockBoundingGeometry(block).translated(m_memo->contentOffset());
        if (rect.top() > area.bottom())
            break;
        if (block.isVisible() && rect.bottom() >= area.top())
            m_blocks.emplace_back(block, m_memo->text().blockOffset(block), rect.topLeft(), view);
    }
    if (colour && !m_blocks.empty())
        runPass();

    m_formats.setLook(m_memo->palette(), m_pass.hotSpot());
    const QSignalBlocker quiet(m_memo->document()->documentLayout());
    for (const VisibleBlock &visible : m_blocks)
        setFormats(visible.block, colour ? m_formats.formats(visible, m_runs, bool(m_onDrawKey))
                                         : QList<QTextLayout::FormatRange>());
    if (m_formatted.count() > MaxFormattedBlocks)
        dropFormatsOffScreen();
}

void TColorHighlighter::runPass()
{
    const QTextBlock scanBlock =
        m_memo->text().lineBlock(m_pass.rules().scanStartLine(m_memo->lineOf(m_blocks.front().block)));
    const QTextBlock after = m_blocks.back().block.next();
    const PassRegion lines{m_memo->text().blockOffset(scanBlock),
                           after.isValid() ? m_memo->text().blockOffset(after) : m_memo->TextLength()};
    copyRegion(scanBlock, limitRegion(lines, m_blocks.front().start + m_blocks.front().from,
                                      m_blocks.back().start + m_blocks.back().to));

    const QPalette palette = m_memo->palette();
    PassInput input;
    input.text = m_buffer;
    input.startPos = m_bufferStart;
    input.selStart = m_memo->SelStart();
    input.selLength = m_memo->SelLength();
    QTextBlock caretBlock = m_memo->document()->findBlock(m_memo->textCursor().selectionStart());
    while (!m_memo->startsLine(caretBlock))
        caretBlock = caretBlock.previous();
    input.caretLineStart = m_memo->text().blockOffset(caretBlock);
    input.caretPos = input.selStart;
    input.wantTabs = !m_memo->tabChangesFocus();
    input.redrawAlways = m_redrawAlways;
    input.fontColor = fromQColor(palette.text().color());
    input.backgroundColor = fromQColor(palette.base().color());
    m_runs = m_pass.run(input);
}

void TColorHighlighter::setFormats(const QTextBlock &block, const QList<QTextLayout::FormatRange> &formats)
{
    QTextLayout *layout = block.layout();
    if (layout->formats() == formats)
        return;
    layout->setFormats(formats);
    // A block split into many formats costs a paint many shapings; a block
    // on screen keeps its glyphs instead.
    layout->setCacheEnabled(!formats.isEmpty());
    // Lays the block out again at once. The document reports no change of
    // its contents, and no change stays pending to widen the next one.
    m_memo->document()->markContentsDirty(block.position(), block.length());
    if (formats.isEmpty())
        m_formatted.remove(block.position());
    else if (!m_formatted.contains(block.position()))
        m_formatted.insert(block.position());
}

void TColorHighlighter::dropFormatsOffScreen()
{
    const QTextDocument *doc = m_memo->document();
    for (const int position : std::vector<int>(m_formatted.positions())) {
        const QTextBlock block = doc->findBlock(position);
        const bool shown = std::any_of(m_blocks.begin(), m_blocks.end(),
                                       [&](const VisibleBlock &v) { return v.block == block; });
        if (block.position() != position)
            m_formatted.remove(position); // a block no longer there
        else if (!shown)
            setFormats(block, {});
    }
}

void TColorHighlighter::paintKeys(const QRect &area)
{
    if (!m_onDrawKey || m_runs.empty())
        return;
    QPainter painter(m_memo->viewport());
    painter.setFont(m_memo->font());
    // The caret, shown only with the focus, keeps the control's drawing.
    const QRect caret = m_memo->hasFocus() ? m_memo->cursorRect() : QRect();
    painter.setClipRegion(QRegion(area) - caret);
    drawKeys(painter, m_blocks, m_runs, m_memo->palette().text().color(), m_onDrawKey);
}

void TColorHighlighter::copyRegion(QTextBlock block, const PassRegion &region)
{
    // Only the scanned lines are copied, never the whole text.
    m_buffer.clear();
    m_bufferStart = region.scanStart;
    for (; block.isValid(); block = block.next()) {
        const int start = m_memo->text().blockOffset(block);
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
