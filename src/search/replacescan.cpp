#include "search/replacescan.h"

#include <utility>

ReplaceScan::ReplaceScan(const QString &text, const SearchMatcher &matcher, const QString &replacement)
    : m_matcher(matcher)
    , m_replacement(replacement)
    , m_text(text)
{
}

bool ReplaceScan::findNext()
{
    const qsizetype last = m_text.size() - m_matcher.length();
    if (m_matcher.length() == 0 || m_at > last)
        return false;
    const qsizetype at = m_matcher.indexIn(m_text, m_at, last);
    if (at < 0) {
        m_at = last + 1;
        return false;
    }
    m_at = at;
    return true;
}

void ReplaceScan::replace()
{
    const qsizetype length = m_matcher.length();
    if (m_batching) {
        const qsizetype start = m_at + m_batchShift;
        if (!m_edits.isEmpty() && m_edits.last().start + m_edits.last().removed == start) {
            m_edits.last().removed += length;
            m_edits.last().inserted += m_replacement;
        } else {
            m_edits.append({start, length, m_replacement});
        }
    }
    m_at += length;
    m_shift += m_replacement.size() - length;
    m_lastReplacementEnd = position();
}

void ReplaceScan::skip()
{
    ++m_at;
}

void ReplaceScan::beginBatch()
{
    m_batching = true;
    m_batchShift = m_shift;
    m_edits.clear();
}

QList<TextEdit> ReplaceScan::takeBatch()
{
    m_batching = false;
    return std::exchange(m_edits, {});
}
