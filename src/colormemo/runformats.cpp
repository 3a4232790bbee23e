#include "colormemo/runformats.h"

#include <QTextLayout>

#include <algorithm>

namespace {

// The runs that touch characters from..to-1 of a block starting at `start`.
template<typename Visit>
void forEachRunIn(const std::vector<TKeyDescr> &runs, int start, int from, int to, Visit visit)
{
    auto it = std::lower_bound(runs.begin(), runs.end(), start + from,
                               [](const TKeyDescr &run, int at) { return run.EndPos < at; });
    for (; it != runs.end() && it->StartPos < start + to; ++it) {
        const int first = std::max(it->StartPos - start, from);
        const int last = std::min(it->EndPos + 1 - start, to);
        if (first < last)
            visit(*it, first, last);
    }
}

} // namespace

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
        from = qMax(from, first.xToCursor(area.left() - offset.x()) - 1);
        to = qMin(to, first.xToCursor(area.right() + 1 - offset.x()) + 1);
    }
}

void RunFormats::setLook(const QPalette &palette, const THotSpot &hotSpot)
{
    const QColor base = palette.base().color();
    if (base == m_base && hotSpot.Underlined == m_underlined)
        return;
    m_base = base;
    m_underlined = hotSpot.Underlined;
    m_formats.clear();
}

const QTextCharFormat &RunFormats::format(const TKeyDescr &run)
{
    const auto look = std::make_pair(run.Color, run.ZOrder == ZHotSpotText || run.ZOrder == ZHotSpotMarker
                                                    ? run.ZOrder
                                                    : quint8(0));
    for (const auto &[key, format] : m_formats) {
        if (key == look)
            return format;
    }
    QColor color = toQColor(run.Color, m_base);
    QTextCharFormat format;
    if (run.ZOrder == ZHotSpotMarker) {
        // Markers take the background's colour on purpose.
        format.setBackground(color);
    } else {
        // Everything else must read on the base colour.
        color = readableOn(color, m_base);
        if (run.ZOrder == ZHotSpotText && m_underlined)
            format.setFontUnderline(true);
    }
    format.setForeground(color);
    m_formats.emplace_back(look, format);
    return m_formats.back().second;
}

QList<QTextLayout::FormatRange> RunFormats::formats(const VisibleBlock &visible,
                                                     const std::vector<TKeyDescr> &runs, bool keysDrawnApart)
{
    QList<QTextLayout::FormatRange> formats;
    if (visible.isEmpty())
        return formats;
    // Up to the block's separator: a break belongs to no line piece.
    const int end = std::min(visible.to, visible.block.length() - 1);
    forEachRunIn(runs, visible.start, visible.from, end, [&](const TKeyDescr &run, int first, int last) {
        if (run.ZOrder == ZSelection || run.ZOrder == ZTab)
            return;
        if (keysDrawnApart && run.IsKey && run.StartPos >= visible.start
            && run.EndPos < visible.start + visible.block.length() - 1)
            return;
        QTextLayout::FormatRange range;
        range.start = first;
        range.length = last - first;
        range.format = format(run);
        formats.append(range);
    });
    return formats;
}

void drawKeys(QPainter &painter, const std::vector<VisibleBlock> &blocks, const std::vector<TKeyDescr> &runs,
              const QColor &textColor, const TDrawKeyEvent &onDrawKey)
{
    for (const VisibleBlock &visible : blocks) {
        if (visible.isEmpty())
            continue;
        const QTextLayout *layout = visible.block.layout();
        const int blockEnd = visible.start + visible.block.length() - 1;
        forEachRunIn(runs, visible.start, visible.from, visible.to, [&](const TKeyDescr &run, int first, int last) {
            if (!run.IsKey || run.StartPos < visible.start || run.EndPos >= blockEnd)
                return;
            const QTextLine line = layout->lineForTextPosition(first);
            if (!line.isValid() || line.lineNumber() != layout->lineForTextPosition(last - 1).lineNumber())
                return;
            const qreal x1 = line.cursorToX(first);
            const qreal x2 = line.cursorToX(last);
            const QRectF rect(qMin(x1, x2), line.y(), qAbs(x2 - x1), line.height());
            onDrawKey(painter, visible.block.text().mid(first, last - first),
                      rect.translated(visible.offset).toAlignedRect(), textColor);
        });
    }
}
