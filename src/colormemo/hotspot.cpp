#include "colormemo/hotspot.h"

int THotSpot::findHotSpots(int index, const ScanText &scan, TKeyDescrList &keys) const
{
    const QStringView text = scan.text();
    const int base = scan.startPos();
    auto marker = [&](qsizetype pos) {
        TKeyDescr d;
        d.StartPos = d.EndPos = base + int(pos);
        d.Color = MarkerColor;
        d.ZOrder = ZHotSpotMarker;
        return d;
    };
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype begin = text.indexOf(BeginChar, pos);
        if (begin < 0)
            break;
        const qsizetype end = text.indexOf(EndChar, begin + 1);
        if (end < 0)
            break; // an unfinished hot spot stays as typed, and so does the rest
        index = keys.put(index, marker(begin));
        TKeyDescr inner;
        inner.StartPos = base + int(begin) + 1;
        inner.EndPos = base + int(end) - 1;
        inner.Color = Color;
        inner.ZOrder = ZHotSpotText;
        index = keys.put(index, inner);
        index = keys.put(index, marker(end));
        pos = end + 1;
    }
    return index;
}

bool THotSpot::isOver(QStringView rest) const
{
    const qsizetype end = rest.indexOf(EndChar);
    if (end < 0)
        return false;
    const qsizetype begin = rest.indexOf(BeginChar);
    return begin < 0 || end < begin || BeginChar == EndChar;
}

QString THotSpot::textAt(QStringView line, qsizetype column) const
{
    column = qBound<qsizetype>(0, column, line.size());
    const QStringView rest = line.mid(column);
    if (!isOver(rest))
        return QString();
    QStringView before = line.left(column);
    const qsizetype lastBegin = before.lastIndexOf(BeginChar);
    if (lastBegin >= 0)
        before = before.mid(lastBegin + 1);
    return before.toString() + rest.left(rest.indexOf(EndChar)).toString();
}
