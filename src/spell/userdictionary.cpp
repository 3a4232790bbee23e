#include "spell/userdictionary.h"

#include "spell/spelllanguage.h"

UserDictionary::UserDictionary(const QString &path)
    : m_path(path)
{
}

bool UserDictionary::load()
{
    m_words.clear();
    const std::optional<QStringList> lines = readSpellLines(m_path);
    if (!lines)
        return false;
    for (const QString &word : *lines) {
        if (!m_words.contains(word))
            m_words << word;
    }
    return true;
}

bool UserDictionary::add(const QString &word)
{
    if (word.isEmpty() || m_words.contains(word))
        return true;
    m_words << word;
    return save();
}

bool UserDictionary::remove(const QString &word)
{
    if (m_words.removeAll(word) == 0)
        return true;
    return save();
}

bool UserDictionary::save() const
{
    return writeSpellLines(m_path, m_words);
}
