#include "colormemo/runpainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

VisibleBlock::VisibleBlock(const QTextBlock &b, int s, const QPointF &o, const QRect &area)
    : block(b)
    , start(s)
    , offset(o + b.layout()->position())
{
    const QTextLayout *layout = block.layout();
    const int count = layout->lineCount();
    // Lines lie top to bottom, so the area's lines are found by bisection.
    auto below = [&](int i, qreal y) { return offset.y() + layout->lineAt(i).rect().bottom() < y; };
    int lo = 0;
    int hi = count;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (below(mid, area.top()))
            lo = mid + 1;
        else
            hi = mid;
    }
    firstLine = lo;
    lastLine = firstLine - 1;
    for (int i = firstLine; i < count && offset.y() + layout->lineAt(i).y() <= area.bottom(); ++i)
        lastLine = i;
    if (isEmpty())
        return;
    const QTextLine first = layout->lineAt(firstLine);
    const QTextLine last = layout->lineAt(lastLine);
    from = first.textStart();
    to = last.textStart() + last.textLength();
    // A line wider than the area (no wrapping) shows only some of its characters.
    if (firstLine == lastLine && first.naturalTextWidth() > area.width()) {
        // Every position query shapes such a line anew; a huge one stays plain.
        if (first.textLength() > MaxUnwrappedLine) {
            lastLine = firstLine - 1;
            return;
        }
        from = qMax(from, first.xToCursor(area.left() - offset.x()) - 1);
        to = qMin(to, first.xToCursor(area.right() + 1 - offset.x()) + 1);
    }
}

RunPainter::RunPainter(QPainter &painter, const QRect &area, const QPalette &palette,
                       const QRect &caret, const THotSpot &hotSpot, const TDrawKeyEvent &onDrawKey)
    : m_painter(painter)
    , m_area(area)
    , m_palette(palette)
    , m_hotSpot(hotSpot)
    , m_onDrawKey(onDrawKey)
    , m_clip(QRegion(area) - caret)
{
}

void RunPainter::draw(const std::vector<VisibleBlock> &blocks, const std::vector<TKeyDescr> &runs)
{
    auto next = runs.begin(); // runs ending before the current block are done
    for (const VisibleBlock &visible : blocks) {
        if (visible.isEmpty())
            continue;
        const int blockStart = visible.start;
        const int blockEnd = blockStart + visible.block.length() - 1; // at its line break
        next = std::find_if(next, runs.end(), [&](const TKeyDescr &run) {
            return run.EndPos >= blockStart + visible.from;
        });
        m_pieces.clear();
        for (auto it = next; it != runs.end() && it->StartPos < blockStart + visible.to; ++it) {
            if (it->ZOrder == ZSelection || it->ZOrder == ZTab)
                continue;
            const int from = qMax(it->StartPos, blockStart) - blockStart;
            const int to = qMin(it->EndPos + 1, blockEnd) - blockStart;
            if (from < to) // else only the line break
                addRun(visible, from, to, *it, it->StartPos >= blockStart && it->EndPos < blockEnd);
        }
        drawPieces(visible);
    }
}

void RunPainter::addRun(const VisibleBlock &visible, int from, int to, const TKeyDescr &run,
                        bool oneLine)
{
    if (run.IsKey && oneLine && m_onDrawKey) {
        QRect rect;
        forEachPiece(visible, from, to, [&](int, const QRect &piece) { rect |= piece; });
        if (rect.intersects(m_area)) {
            m_painter.setClipRegion(m_clip);
            m_onDrawKey(m_painter, visible.block.text().mid(from, to - from), rect,
                        m_palette.text().color());
        }
        return;
    }
    const QColor background = m_palette.base().color();
    Style style;
    style.text = toQColor(run.Color, background);
    // Markers take the background on purpose; everything else must be readable on it.
    if (run.ZOrder != ZHotSpotMarker)
        style.text = readable(style.text);
    style.background = run.ZOrder == ZHotSpotMarker ? style.text : background;
    style.underlined = run.ZOrder == ZHotSpotText && m_hotSpot.Underlined;
    forEachPiece(visible, from, to, [&](int line, const QRect &rect) {
        if (rect.intersects(m_area))
            m_pieces.push_back({line, rect, style});
    });
}

QColor RunPainter::readable(const QColor &color)
{
    for (const auto &[from, to] : m_readable) {
        if (from == color)
            return to;
    }
    m_readable.emplace_back(color, readableOn(color, m_palette.base().color()));
    return m_readable.back().second;
}

void RunPainter::drawPieces(const VisibleBlock &visible)
{
    const QTextLayout *layout = visible.block.layout();
    for (size_t i = 0; i < m_pieces.size(); ++i) {
        if (m_pieces[i].drawn)
            continue;
        const Piece &piece = m_pieces[i];
        QRegion region;
        for (size_t j = i; j < m_pieces.size(); ++j) {
            Piece &other = m_pieces[j];
            if (!other.drawn && other.line == piece.line && other.style == piece.style) {
                region += other.rect;
                other.drawn = true;
            }
        }
        const QTextLine line = layout->lineAt(piece.line);
        m_painter.setClipRegion(m_clip & region);
        m_painter.fillRect(region.boundingRect(), piece.style.background);
        m_painter.setPen(piece.style.text);
        line.draw(&m_painter, visible.offset);
        if (piece.style.underlined) {
            const QFontMetricsF metrics(m_painter.font());
            const qreal y = visible.offset.y() + line.y() + line.ascent() + metrics.underlinePos();
            for (const QRect &rect : region)
                m_painter.fillRect(QRectF(rect.left(), y, rect.width(), qMax<qreal>(1, metrics.lineWidth())),
                                   piece.style.text);
        }
    }
}

template<typename Visit>
void RunPainter::forEachPiece(const VisibleBlock &visible, int from, int to, Visit visit) const
{
    from = qMax(from, visible.from);
    to = qMin(to, visible.to);
    const QTextLayout *layout = visible.block.layout();
    // The first shown line that ends after `from`.
    int i = visible.firstLine;
    int hi = visible.lastLine;
    while (i < hi) {
        const int mid = (i + hi) / 2;
        const QTextLine line = layout->lineAt(mid);
        if (line.textStart() + line.textLength() <= from)
            i = mid + 1;
        else
            hi = mid;
    }
    for (; i <= visible.lastLine && from < to; ++i) {
        const QTextLine line = layout->lineAt(i);
        if (line.textStart() >= to)
            break;
        const int start = qMax(from, line.textStart());
        const int end = qMin(to, line.textStart() + line.textLength());
        if (start >= end)
            continue;
        const qreal x1 = line.cursorToX(start);
        const qreal x2 = line.cursorToX(end);
        const QRectF rect(qMin(x1, x2), line.y(), qAbs(x2 - x1), line.height());
        visit(i, rect.translated(visible.offset).toAlignedRect());
    }
}
