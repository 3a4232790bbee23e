#include "spell/spelllanguage.h"

#include "platform/configstore.h"

#include <QDir>
#include <QFileInfo>

namespace {

const SpellLanguage Languages[] = {
    {"ukspell", "en_US", "hunspell-en-us", "ukdefault.udt", "ukaddict.cfg",
     {"English", "engelsk", "Englisch"}},
    {"dkspell", "da_DK", "hunspell-da", "dkdefault.udt", "dkaddict.cfg",
     {"Danish", "dansk", "Dänisch"}},
    {"gerspell", "de_DE", "hunspell-de-de", "gerdefault.udt", "geraddict.cfg",
     {"German", "tysk", "Deutsch"}},
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
