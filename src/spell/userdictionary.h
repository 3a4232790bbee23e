#pragma once

#include <QString>
#include <QStringList>

// The user's own words for one language: a UTF-8 word list, one word a line.
class UserDictionary
{
public:
    explicit UserDictionary(const QString &path);

    // Reads the list; a missing file is an empty list.
    bool load();
    const QStringList &words() const { return m_words; }
    bool contains(const QString &word) const { return m_words.contains(word); }

    // Adds or removes one word and saves the list; false when it could not
    // be written (the word list in memory changes all the same).
    bool add(const QString &word);
    bool remove(const QString &word);

    QString path() const { return m_path; }

private:
    bool save() const;

    QString m_path;
    QStringList m_words;
};
