#include "spell/spelllanguage.h"

#include "platform/configstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const MessageTable Table{"spell check languages"};

// Named in the dictionary message of each language.
const Message EnglishName{Table, {"English", "engelsk", "Englisch"}};
const Message DanishName{Table, {"Danish", "dansk", "Dänisch"}};
const Message GermanName{Table, {"German", "tysk", "Deutsch"}};

const SpellLanguage Languages[] = {
    {"ukspell", "en_US", "hunspell-en-us", "ukdefault.udt", "ukaddict.cfg", "ukdefault.acl",
     &EnglishName},
    {"dkspell", "da_DK", "hunspell-da", "dkdefault.udt", "dkaddict.cfg", "dkdefault.acl",
     &DanishName},
    {"gerspell", "de_DE", "hunspell-de-de", "gerdefault.udt", "geraddict.cfg", "gerdefault.acl",
     &GermanName},
};

} // namespace

const SpellLanguage &spellLanguage(int lang)
{
    switch (lang) {
    case Danish:
        return Languages[1];
    case German:
        return Languages[2];
    default:
        return Languages[0];
    }
}

QStringList dictionaryFolders()
{
    if (qEnvironmentVariableIsSet("MARKVALE_DICTIONARIES"))
        return qEnvironmentVariable("MARKVALE_DICTIONARIES").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QStringList folders = qEnvironmentVariable("DICPATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    folders << QStringLiteral("/usr/share/hunspell") << QStringLiteral("/usr/local/share/hunspell");
    return folders;
}

QString findDictionary(const QString &dictionary)
{
    const QStringList folders = dictionaryFolders();
    for (const QString &folder : folders) {
        const QString base = QDir(folder).filePath(dictionary);
        if (QFileInfo(base + QLatin1String(".aff")).isFile() && QFileInfo(base + QLatin1String(".dic")).isFile())
            return base;
    }
    return QString();
}

QString spellFilePath(const char *fileName)
{
    return QFileInfo(ConfigKey::storePath()).dir().filePath(QLatin1String(fileName));
}

std::optional<QStringList> readSpellLines(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return QStringList();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines << trimmed;
    }
    return lines;
}

bool writeSpellLines(const QString &path, const QStringList &lines)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QString &line : lines)
        file.write(line.toUtf8() + '\n');
    return file.commit();
}
