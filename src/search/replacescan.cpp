#include "search/replacescan.h"

#include <algorithm>
#include <utility>

ReplaceScan::ReplaceScan(const QString &text, const SearchMatcher &matcher, const QString &replacement)
    : m_matcher(matcher)
    , m_replacement(replacement)
    , m_source(text)
    , m_last(text.size() - matcher.length())
{
}

QStringView ReplaceScan::pendingInserted() const
{
    return QStringView(m_inserted).mid(m_insertedAt);
}

bool ReplaceScan::findNext()
{
    while (m_pos <= m_last) {
        const QStringView inserted = pendingInserted();
        if (inserted.isEmpty()) {
            const qsizetype at = m_matcher.indexIn(m_source, m_sourceAt, m_sourceAt + (m_last - m_pos));
            if (at < 0)
                break;
            pass(at - m_sourceAt);
            return true;
        }
        if (m_matcher.matchesAt(inserted, QStringView(m_source).mid(m_sourceAt)))
            return true;
        pass(1);
    }
    m_pos = m_last + 1;
    return false;
}

void ReplaceScan::pass(qsizetype count)
{
    const QStringView inserted = pendingInserted();
    const qsizetype fromInserted = std::min(count, inserted.size());
    const qsizetype fromSource = std::min(count - fromInserted, m_source.size() - m_sourceAt);
    if (m_editOpen) {
        m_editText.append(inserted.left(fromInserted));
        if (fromSource > 0)
            closeEdit();
    }
    m_insertedAt += fromInserted;
    if (m_insertedAt == m_inserted.size()) {
        m_inserted.clear();
        m_insertedAt = 0;
    }
    m_sourceAt += fromSource;
    m_pos += fromInserted + fromSource;
}

void ReplaceScan::replace()
{
    if (m_batching && !m_editOpen) {
        m_editOpen = true;
        m_editSourceStart = m_sourceAt;
        m_editText.clear();
    }
    const QStringView inserted = pendingInserted();
    const qsizetype fromInserted = std::min(m_matcher.length(), inserted.size());
    m_sourceAt += m_matcher.length() - fromInserted;
    QString next = m_replacement;
    next.append(inserted.mid(fromInserted));
    m_inserted = next;
    m_insertedAt = 0;
    m_lastReplacementEnd = m_pos + m_replacement.size();
    if (!m_replacement.isEmpty())
        pass(1);
}

void ReplaceScan::skip()
{
    pass(1);
}

void ReplaceScan::beginBatch()
{
    // Inserted text still ahead already stands in the document, so the batch
    // treats it as part of the text it starts from.
    if (!pendingInserted().isEmpty()) {
        QString rest = pendingInserted().toString();
        rest.append(QStringView(m_source).mid(m_sourceAt));
        m_source = rest;
        m_sourceAt = 0;
        m_inserted.clear();
        m_insertedAt = 0;
    }
    m_batching = true;
    m_batchStart = m_pos;
    m_batchSourceStart = m_sourceAt;
    m_edits.clear();
}

void ReplaceScan::closeEdit()
{
    m_edits.append({m_batchStart + (m_editSourceStart - m_batchSourceStart), m_sourceAt - m_editSourceStart,
                    m_editText});
    m_editOpen = false;
    m_editText.clear();
}

QList<TextEdit> ReplaceScan::takeBatch()
{
    if (m_editOpen) {
        m_editText.append(pendingInserted());
        closeEdit();
    }
    m_batching = false;
    return std::exchange(m_edits, {});
}
