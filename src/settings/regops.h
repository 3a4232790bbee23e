#pragma once

#include "platform/textfile.h"

#include <QString>

#include <functional>

// The operations that move the settings record and the tag templates between
// memory, the configuration store and settings files. Each opens the key it
// needs and closes it again; a key that cannot be opened makes it do nothing.

extern const char *const ConfigKeyPath; // "\SOFTWARE\Orvanti\MarkvalePRO\Config"
extern const char *const TagsKeyPath;   // "\SOFTWARE\Orvanti\MarkvalePRO\Tags"

constexpr int SettingsFileLines = 101;

void LoadSettings();
void SaveSettings();
void SaveLanguage();
void SaveLineNumbers();
void SaveDefinedTag(int slot);
void ResetDefinedTags();
void MarkTagsInstalled();
void WriteTagTemplate(int entry);
void ReadTagTemplate(int entry);

// Writes the Config key to a settings file. Values missing from the key are
// written with their defaults so that the file can always be imported again.
// A missing key writes nothing and is no error.
TextFile::Error ExportSettingsFile(const QString &path, QString *detail = nullptr);

enum class ImportResult { Imported, Invalid, StoreUnavailable };

// Checks a settings file and writes its values to the Config key. The record
// is not touched; the caller runs LoadSettings afterwards.
ImportResult ImportSettingsFile(const QString &path);

// The start-up use of the templates: read them from the store, or install the
// built-in ones on the first start, telling the user through inform().
void ReadOrInstallTagTemplates(const std::function<void(const QString &)> &inform);

// The store's messages in the current language.
QString installingTagsMessage();
QString invalidSettingsFileMessage(const QString &path);
// When the store's file is not one (a letter, a picture), the program runs on
// its defaults and leaves the file alone; this says so. Empty otherwise.
QString foreignStoreMessage();
