#include "editor/undohistory.h"

void UndoHistory::push(const QString &text, int caret)
{
    for (int k = Depth - 1; k >= 1; --k) {
        if (!m_entries[size_t(k - 1)].text.isEmpty())
            m_entries[size_t(k)] = m_entries[size_t(k - 1)];
    }
    m_entries[0] = Entry{text, caret};
}

UndoHistory::Entry UndoHistory::undo(const QString &currentText, int currentCaret)
{
    m_redo = Entry{currentText, currentCaret};
    const Entry restored = m_entries[0];
    for (int k = 1; k < Depth; ++k)
        m_entries[size_t(k - 1)] = m_entries[size_t(k)];
    return restored;
}

UndoHistory::Entry UndoHistory::redo(const QString &currentText, int currentCaret)
{
    push(currentText, currentCaret);
    return m_redo;
}
