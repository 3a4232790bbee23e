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

// The occurrences the replace command offers in one document. Each
// occurrence in the text as it stood when the scan began is looked at once,
// from the first to the last; text that a replacement inserted is never
// searched again, so a replacement that contains the search text ("a" by
// "ba") cannot run on, and one that makes the text longer cannot push the
// last occurrences out of reach. Positions are those of the document with
// the replacements made so far.
class ReplaceScan
{
public:
    ReplaceScan(const QString &text, const SearchMatcher &matcher, const QString &replacement);

    // Moves to the next occurrence, from the current position on; false once
    // there is none.
    bool findNext();
    qsizetype position() const { return m_at + m_shift; }

    // Replaces the occurrence at position() and moves on past it: an
    // occurrence that overlaps it is gone with it.
    void replace();
    // Leaves the occurrence and moves on by one character, so that an
    // occurrence overlapping it is offered too.
    void skip();
    // Where the text inserted by the last replacement ends.
    qsizetype lastReplacementEnd() const { return m_lastReplacementEnd; }

    // From here on the scan records what it changes, so that a run of
    // replacements can reach the document at once (see takeBatch).
    void beginBatch();
    // The changes since beginBatch as edits of the text as it stood then, in
    // ascending order and apart from each other; replacements that touch
    // make one edit.
    QList<TextEdit> takeBatch();

private:
    SearchMatcher m_matcher;
    QString m_replacement;
    QString m_text;         // the document as the scan began
    qsizetype m_at = 0;     // the current position in m_text
    qsizetype m_shift = 0;  // how much longer the replacements made the text
    qsizetype m_lastReplacementEnd = -1;

    bool m_batching = false;
    qsizetype m_batchShift = 0;
    QList<TextEdit> m_edits;
};
