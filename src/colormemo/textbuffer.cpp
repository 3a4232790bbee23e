#include "colormemo/textbuffer.h"

#include "colormemo/drawrules.h"

TextBuffer::TextBuffer(const QString &text)
{
    m_text.reserve(text.size() + text.size() / 32);
    m_lineStarts.push_back(0);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            m_text.append(c);
            continue;
        }
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        m_text.append(QLatin1String("\r\n"));
        m_lineStarts.push_back(int(m_text.size()));
    }
}

PassRegion TextBuffer::region(const TDrawRules &rules, int firstLine, int lastLine) const
{
    firstLine = qBound(0, firstLine, lineCount() - 1);
    lastLine = qBound(firstLine, lastLine, lineCount() - 1);
    const int scanLine = rules.scanStartLine(firstLine);
    const int end = lastLine + 1 < lineCount() ? lineStart(lastLine + 1) : int(m_text.size());
    return {lineStart(scanLine), end};
}
