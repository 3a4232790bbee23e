#pragma once

#include "settings/language.h"
#include "settings/messagetable.h"

#include <QString>
#include <QStringList>

#include <optional>

// One of the three checker configurations, chosen by the language setting.
struct SpellLanguage
{
    const char *name;            // ukspell, dkspell, gerspell
    const char *dictionary;      // Hunspell dictionary: <name>.aff and <name>.dic
    const char *package;         // the Debian package that installs it
    const char *userDictionary;  // the user's own words, in the configuration directory
    const char *optionsFile;     // the checker's options, beside them
    const char *autoCorrectFile; // the user's auto-corrections, beside them
    const Message *languageName;
};

// The configuration for Lang 1, 2 or 3; English for any other value.
const SpellLanguage &spellLanguage(int lang);

// Folders searched for dictionaries: those in $DICPATH (colon-separated),
// then the system's. $MARKVALE_DICTIONARIES, when set, replaces the list.
QStringList dictionaryFolders();

// The path of <dictionary>.aff/.dic without the suffix, or an empty string
// when no folder holds both files.
QString findDictionary(const QString &dictionary);

// A file of the checker in the directory of the configuration store.
QString spellFilePath(const char *fileName);

// The non-empty lines of one of the user's UTF-8 lists, trimmed; an empty
// list when the file does not exist, nothing when it cannot be read.
std::optional<QStringList> readSpellLines(const QString &path);
// Writes the lines whole through a temporary file, so a failed save keeps
// the old list.
bool writeSpellLines(const QString &path, const QStringList &lines);
