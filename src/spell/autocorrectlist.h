#pragma once

#include <QList>
#include <QString>

// The user's auto-corrections for one language: a misspelling and what the
// checker puts in its place without asking. Kept as a UTF-8 file beside the
// user's word list, one "word<TAB>replacement" pair a line.
class AutoCorrectList
{
public:
    struct Entry
    {
        QString word;
        QString replacement;
    };

    explicit AutoCorrectList(const QString &path);

    // Reads the list; a missing file is an empty list.
    bool load();
    const QList<Entry> &entries() const { return m_entries; }
    // The replacement of a word, or a null string when it has none.
    QString replacementFor(const QString &word) const;

    // Each change saves the list; false when it could not be written (the
    // list in memory changes all the same).
    bool add(const QString &word, const QString &replacement);
    bool remove(const QString &word);
    bool clear();

    QString path() const { return m_path; }

private:
    bool save() const;

    QString m_path;
    QList<Entry> m_entries;
};
