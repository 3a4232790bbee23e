#pragma once

#include "colormemo/commonends.h"

#include <QString>

#include <array>
#include <memory>

// The editor's undo history: whole-document snapshots with their carets,
// newest first, and one redo level. Only the newest snapshot is held whole;
// the others are kept as differences from a newer one, so twenty snapshots
// of a large page cost little more than one.
class UndoHistory
{
public:
    static constexpr int Depth = 20;

    struct Entry
    {
        QString text;
        int caret = 0;
    };

    // Records a snapshot. An empty entry is never copied down, so what lies
    // below it stays. `known` may tell what `text` shares with the newest
    // snapshot, which saves comparing two large texts.
    void push(const QString &text, int caret, const KnownEnds &known = {});

    // Keeps the current document for Redo and returns the newest snapshot; the
    // rest move up, the oldest staying in place as well.
    Entry undo(const QString &currentText, int currentCaret);

    // Records the current document like push() and returns what the last
    // undo replaced.
    Entry redo(const QString &currentText, int currentCaret);

    // Undo is offered while the newest snapshot holds text.
    bool hasUndoText() const;
    Entry entry(int index) const;

private:
    class Snapshot;
    using SnapshotPtr = std::shared_ptr<Snapshot>;

    std::array<SnapshotPtr, Depth> m_entries;
    SnapshotPtr m_redo;
};
