#include "spell/userdictionary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

UserDictionary::UserDictionary(const QString &path)
    : m_path(path)
{
}

bool UserDictionary::load()
{
    m_words.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !m_words.contains(word))
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
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &word : m_words)
        file.write(word.toUtf8() + '\n');
    return file.commit();
}
