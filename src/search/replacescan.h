#pragma once

#include "search/searchmatcher.h"

#include <QList>
#include <QString>

// One change to a text: `removed` characters at `start` give way to `inserted`.
struct TextEdit
{
    qsizetype start = 0;
    qsizetype removed = 0;
    QString inserted;
};

// The positions the replace command examines in one document, with the text
// as its replacements change it. Positions run from the first character to
// the last at which the search text fitted when the scan began; that count
// stays fixed while replacements change the length, and the position after a
// replacement lies inside the inserted text. The document is read once: the
// scan keeps the untouched rest of it and the inserted text it has not passed
// yet, so neither a step nor a replacement copies the document.
class ReplaceScan
{
public:
    ReplaceScan(const QString &text, const SearchMatcher &matcher, const QString &replacement);

    // Moves to the next position, from the current one on, at which an
    // occurrence starts; false once the positions are used up.
    bool findNext();
    qsizetype position() const { return m_pos; }

    // Replaces the occurrence at position() and moves on to the next
    // position. After an empty replacement that is the same position, which
    // now holds the text that followed the occurrence.
    void replace();
    // Leaves the occurrence and moves on to the next position.
    void skip();
    // Where the text inserted by the last replacement ends.
    qsizetype lastReplacementEnd() const { return m_lastReplacementEnd; }

    // From here on the scan records what it changes, so that a run of
    // replacements can reach the document at once (see takeBatch).
    void beginBatch();
    // The changes since beginBatch as edits of the text as it stood then, in
    // ascending order and apart from each other. Replacements that run into
    // each other's inserted text make one edit.
    QList<TextEdit> takeBatch();

private:
    QStringView pendingInserted() const;
    // Steps over `count` characters of the current text.
    void pass(qsizetype count);
    void closeEdit();

    SearchMatcher m_matcher;
    QString m_replacement;
    // The current text from position() on: the rest of what the last
    // replacements inserted, then the untouched part of the document.
    QString m_source;
    qsizetype m_sourceAt = 0;
    QString m_inserted;
    qsizetype m_insertedAt = 0;
    qsizetype m_pos = 0;
    qsizetype m_last;
    qsizetype m_lastReplacementEnd = -1;

    bool m_batching = false;
    qsizetype m_batchStart = 0;
    qsizetype m_batchSourceStart = 0;
    QList<TextEdit> m_edits;
    // The edit under way: from m_editSourceStart up to m_sourceAt the
    // document's text gives way to m_editText and what is still inserted.
    bool m_editOpen = false;
    qsizetype m_editSourceStart = 0;
    QString m_editText;
};
