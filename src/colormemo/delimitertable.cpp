#include "colormemo/delimitertable.h"

void DelimiterTable::compileBeginEnd(const QStringList &lines, TColor defaultColor)
{
    m_entries.fill(Entry());
    const int count = qMin(int(lines.size()), Size);
    for (int i = 0; i < count; ++i) {
        const QString &line = lines.at(i);
        const qsizetype first = line.indexOf(QLatin1Char(';'));
        if (first <= 0)
            continue;
        const qsizetype second = line.indexOf(QLatin1Char(';'), first + 1);
        Entry &e = m_entries[size_t(i)];
        e.begin = line.left(qMin(first, qsizetype(MaxKeyLength)));
        const QString end = second < 0 ? line.mid(first + 1) : line.mid(first + 1, second - first - 1);
        e.end = end.left(MaxKeyLength);
        const QString colorText = second < 0 ? QString() : line.mid(second + 1);
        e.color = colorText.trimmed().isEmpty() ? defaultColor : parseColor(colorText);
    }
}

void DelimiterTable::compileLineEnd(const QStringList &lines, TColor defaultColor)
{
    m_entries.fill(Entry());
    const int count = qMin(int(lines.size()), Size);
    for (int i = 0; i < count; ++i) {
        const QString &line = lines.at(i);
        QString key = line;
        QString colorText;
        if (line.startsWith(QLatin1String(";;"))) {
            key = QStringLiteral(";");
            colorText = line.mid(2);
        } else if (const qsizetype semicolon = line.indexOf(QLatin1Char(';')); semicolon >= 1) {
            key = line.left(semicolon);
            colorText = line.mid(semicolon + 1);
        }
        Entry &e = m_entries[size_t(i)];
        e.begin = key.left(MaxKeyLength);
        e.color = colorText.trimmed().isEmpty() ? defaultColor : parseColor(colorText);
    }
}

DelimiterTable::Begin DelimiterTable::nextBegin(QStringView text, qsizetype from) const
{
    Begin best;
    for (int i = 0; i < Size && !m_entries[size_t(i)].begin.isEmpty(); ++i) {
        qsizetype &found = m_lastFound[size_t(i)];
        if (found != -2 && found < from) // -2: known to be absent from here on
            found = text.indexOf(m_entries[size_t(i)].begin, from);
        if (found < 0) {
            found = -2;
            continue;
        }
        if (best.pos < 0 || found < best.pos)
            best = {i, found};
    }
    return best;
}

int DelimiterTable::findBeginEnd(int index, const ScanText &scan, quint8 zOrder,
                                 TKeyDescrList &keys) const
{
    const QStringView text = scan.text();
    m_lastFound.fill(-1);
    qsizetype pos = 0;
    while (pos < text.size()) {
        const Begin begin = nextBegin(text, pos);
        if (begin.entry < 0)
            break;
        const Entry &e = m_entries[size_t(begin.entry)];
        // Searching from the begin key's second character lets a pair such
        // as "<!--" and "-->" share a character.
        const qsizetype end = e.end.isEmpty() ? -1 : text.indexOf(e.end, begin.pos + 1);
        if (end < 0)
            break; // the end lies beyond the region: leave the stretch plain
        TKeyDescr d;
        d.StartPos = scan.startPos() + int(begin.pos);
        d.EndPos = scan.startPos() + int(end + e.end.size()) - 1;
        d.Color = e.color;
        d.ZOrder = zOrder;
        index = keys.put(index, d);
        pos = end + 1;
    }
    return index;
}

int DelimiterTable::findBeginLineEnd(int index, const ScanText &scan, quint8 zOrder,
                                     TKeyDescrList &keys) const
{
    const QStringView text = scan.text();
    m_lastFound.fill(-1);
    qsizetype pos = 0;
    while (pos < text.size()) {
        const Begin begin = nextBegin(text, pos);
        if (begin.entry < 0)
            break;
        const Entry &e = m_entries[size_t(begin.entry)];
        const qsizetype lineEnd = text.indexOf(u"\r\n", begin.pos + e.begin.size());
        TKeyDescr d;
        d.StartPos = scan.startPos() + int(begin.pos);
        d.EndPos = scan.startPos() + int(lineEnd < 0 ? text.size() : lineEnd) - 1;
        d.Color = e.color;
        d.ZOrder = zOrder;
        index = keys.put(index, d);
        if (lineEnd < 0)
            break;
        pos = lineEnd + 1;
    }
    return index;
}
