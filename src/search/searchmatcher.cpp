#include "search/searchmatcher.h"

#include <algorithm>

namespace {

char16_t foldAscii(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

} // namespace

SearchMatcher::SearchMatcher(const QString &searchText, bool matchCase)
    : m_text(searchText)
    , m_matchCase(matchCase)
{
}

bool SearchMatcher::equal(QChar a, QChar b) const
{
    if (m_matchCase)
        return a == b;
    return foldAscii(a.unicode()) == foldAscii(b.unicode());
}

bool SearchMatcher::matchesAt(QStringView head, QStringView tail) const
{
    const qsizetype length = m_text.size();
    if (length == 0 || head.size() + tail.size() < length)
        return false;
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = i < head.size() ? head[i] : tail[i - head.size()];
        if (!equal(c, m_text[i]))
            return false;
    }
    return true;
}

qsizetype SearchMatcher::indexIn(QStringView text, qsizetype from, qsizetype last) const
{
    const qsizetype length = m_text.size();
    from = std::max<qsizetype>(from, 0);
    last = std::min(last, text.size() - length);
    if (length == 0 || from > last)
        return -1;
    const QStringView window = text.mid(from, last - from + length);
    if (m_matchCase) {
        const qsizetype at = window.indexOf(m_text);
        return at < 0 ? -1 : from + at;
    }
    // Look for the first character in both cases, then compare the rest.
    const char16_t first = foldAscii(m_text[0].unicode());
    const char16_t *data = window.utf16();
    const qsizetype starts = window.size() - length + 1;
    for (qsizetype i = 0; i < starts; ++i) {
        if (foldAscii(data[i]) == first && matchesAt(window.mid(i, length)))
            return from + i;
    }
    return -1;
}
