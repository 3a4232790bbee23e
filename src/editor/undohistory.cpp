#include "editor/undohistory.h"

#include "colormemo/commonends.h"

#include <algorithm>

// A recorded text, held whole or as the part that differs from a newer
// snapshot: text = newer's first `prefix` characters, then `middle`, then
// newer's last `suffix` characters.
class UndoHistory::Snapshot
{
public:
    Snapshot(const QString &text, int caret)
        : m_caret(caret)
        , m_length(text.size())
        , m_whole(text)
    {
    }

    int caret() const { return m_caret; }
    bool isEmpty() const { return m_length == 0; }

    QString text() const
    {
        if (!m_newer)
            return m_whole;
        const QString newer = m_newer->text();
        QString text;
        text.reserve(m_length);
        text.append(QStringView(newer).left(m_prefix));
        text.append(m_middle);
        text.append(QStringView(newer).right(m_suffix));
        return text;
    }

    // Keeps only what differs from `newer`, whose text is `newerText`.
    void keepDifferenceFrom(const SnapshotPtr &newer, const QString &newerText, const KnownEnds &known = {})
    {
        if (isEmpty())
            return;
        const QString own = text();
        // The same characters, not only equal ones: then the known ends hold.
        const bool knows = known.earlier.constData() == own.constData() && known.earlier.size() == own.size();
        const qsizetype prefix = knows ? known.prefix : commonPrefix(own, newerText);
        const qsizetype suffix = knows ? known.suffix
                                       : commonSuffix(own, newerText,
                                                      std::min(own.size(), newerText.size()) - prefix);
        m_middle = own.mid(prefix, own.size() - prefix - suffix);
        m_prefix = prefix;
        m_suffix = suffix;
        m_newer = newer;
        m_whole = QString();
    }

    // Holds the text whole again, so that it no longer depends on a newer one.
    void makeWhole(const QString &text)
    {
        m_whole = text;
        m_newer.reset();
        m_middle = QString();
    }

private:
    int m_caret;
    qsizetype m_length;
    QString m_whole;
    SnapshotPtr m_newer;
    qsizetype m_prefix = 0;
    qsizetype m_suffix = 0;
    QString m_middle;
};

void UndoHistory::push(const QString &text, int caret, const KnownEnds &known)
{
    auto newest = std::make_shared<Snapshot>(text, caret);
    if (m_entries[0])
        m_entries[0]->keepDifferenceFrom(newest, text, known);
    for (int k = Depth - 1; k >= 1; --k) {
        const SnapshotPtr &above = m_entries[size_t(k - 1)];
        if (above && !above->isEmpty())
            m_entries[size_t(k)] = above;
    }
    m_entries[0] = std::move(newest);
}

UndoHistory::Entry UndoHistory::undo(const QString &currentText, int currentCaret)
{
    const SnapshotPtr restored = m_entries[0];
    Entry result;
    if (restored) {
        result = Entry{restored->text(), restored->caret()};
        restored->makeWhole(result.text);
    }
    m_redo = std::make_shared<Snapshot>(currentText, currentCaret);
    if (restored)
        m_redo->keepDifferenceFrom(restored, result.text);
    for (int k = 1; k < Depth; ++k)
        m_entries[size_t(k - 1)] = m_entries[size_t(k)];
    return result;
}

UndoHistory::Entry UndoHistory::redo(const QString &currentText, int currentCaret)
{
    Entry result;
    if (m_redo)
        result = Entry{m_redo->text(), m_redo->caret()};
    push(currentText, currentCaret);
    return result;
}

bool UndoHistory::hasUndoText() const
{
    return m_entries[0] && !m_entries[0]->isEmpty();
}

UndoHistory::Entry UndoHistory::entry(int index) const
{
    const SnapshotPtr &snapshot = m_entries[size_t(index)];
    return snapshot ? Entry{snapshot->text(), snapshot->caret()} : Entry();
}
