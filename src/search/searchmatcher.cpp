#include "search/searchmatcher.h"

#include <algorithm>

namespace {

char16_t foldAscii(char16_t c)
{
    return char16_t(c - u'A') < 26 ? char16_t(c + (u'a' - u'A')) : c;
}

} // namespace

SearchMatcher::SearchMatcher(const QString &searchText, bool matchCase)
    : m_text(searchText)
    , m_folded(searchText)
    , m_matchCase(matchCase)
{
    for (QChar &c : m_folded)
        c = QChar(foldAscii(c.unicode()));
}

bool SearchMatcher::matchesAt(QStringView head, QStringView tail) const
{
    const qsizetype length = m_text.size();
    if (length == 0 || head.size() + tail.size() < length)
        return false;
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = i < head.size() ? head[i] : tail[i - head.size()];
        if (m_matchCase ? c != m_text[i] : foldAscii(c.unicode()) != m_folded[i].unicode())
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
    // The hot loop of a search: compare folded characters in place.
    const char16_t *data = window.utf16();
    const char16_t *pattern = reinterpret_cast<const char16_t *>(m_folded.utf16());
    const qsizetype starts = window.size() - length + 1;
    for (qsizetype i = 0; i < starts; ++i) {
        qsizetype j = 0;
        while (j < length && foldAscii(data[i + j]) == pattern[j])
            ++j;
        if (j == length)
            return from + i;
    }
    return -1;
}
