#include "settings/regops.h"

#include "platform/configstore.h"
#include "settings/integertext.h"
#include "settings/language.h"
#include "settings/messagetable.h"
#include "settings/settings.h"
#include "settings/tagtable.h"

#include <QStringList>

#include <algorithm>

const char *const ConfigKeyPath = "\\SOFTWARE\\Orvanti\\MarkvalePRO\\Config";
const char *const TagsKeyPath = "\\SOFTWARE\\Orvanti\\MarkvalePRO\\Tags";

namespace {

// A settings file is small; anything this large is not one.
constexpr qint64 MaxSettingsFileBytes = 16 * 1024 * 1024;

QString numbered(const char *prefix, int n)
{
    return QLatin1String(prefix) + QString::number(n);
}

bool openConfig(ConfigKey &key, ConfigKey::Mode mode)
{
    return key.open(QLatin1String(ConfigKeyPath), mode);
}

void writeDefinedTag(ConfigKey &key, int n, const DefinedTag &tag)
{
    key.writeString(numbered("DefTitle", n), tag.DefTitle);
    key.writeString(numbered("DefOpen", n), tag.DefOpen);
    key.writeString(numbered("DefClose", n), tag.DefClose);
    key.writeInteger(numbered("DefBack", n), tag.DefBack);
    key.writeInteger(numbered("DefStat", n), tag.DefStat);
}

// The lines of a settings file, read from the store. A missing value gives
// the line its default would give.
class SettingsFileWriter
{
public:
    explicit SettingsFileWriter(const ConfigKey &key) : m_key(key) {}

    void integer(const QString &name, int fallback)
    {
        m_lines << QString::number(m_key.valueExists(name) ? m_key.readInteger(name) : fallback);
    }
    void text(const QString &name, const QString &fallback = QString())
    {
        m_lines << (m_key.valueExists(name) ? m_key.readString(name) : fallback);
    }
    const QStringList &lines() const { return m_lines; }

private:
    const ConfigKey &m_key;
    QStringList m_lines;
};

void importInteger(ConfigKey &key, const QString &name, const QString &line)
{
    if (const auto value = parseInteger(line))
        key.writeInteger(name, *value);
}

void importBool(ConfigKey &key, const QString &name, const QString &line)
{
    key.writeBool(name, line != QLatin1String("0"));
}

const MessageTable Table{"settings"};

const Message InstallingTagsText{Table, {"Installing tags now", "Installerer tags nu", "Installiert jetzt die Tags"}};
const Message ForeignStoreText{
    Table,
    {"%1 is not a configuration file of this program.\r\nThe program starts with its default settings "
     "and leaves the file as it is: settings you change now are not kept.",
     "%1 er ikke en konfigurationsfil fra dette program.\r\nProgrammet starter med standardindstillingerne "
     "og lader filen være som den er: indstillinger du ændrer nu, bliver ikke gemt.",
     "%1 ist keine Einstellungsdatei dieses Programms.\r\nDas Programm startet mit den "
     "Standardeinstellungen und lässt die Datei unverändert: Einstellungen, die Sie jetzt ändern, "
     "werden nicht gespeichert."}};
const Message InvalidFileText{Table,
                              {" is not a valid Configuration file!", " er ikke en gyldig konfigurationsfil!",
                               " is kein gängiger Einstellungsdatei!"}};

} // namespace

void LoadSettings()
{
    Settings &s = settings();
    s = Settings();
    ConfigKey key;
    if (!openConfig(key, ConfigKey::Mode::OpenExisting))
        return;

    auto readInt = [&key](const char *name, int &field) {
        if (key.valueExists(QLatin1String(name)))
            field = key.readInteger(QLatin1String(name));
    };
    auto readBool = [&key](const char *name, bool &field) {
        if (key.valueExists(QLatin1String(name)))
            field = key.readBool(QLatin1String(name));
    };
    auto readText = [&key](const QString &name, QString &field) {
        if (key.valueExists(name))
            field = key.readString(name);
    };

    readInt("Lang", s.Lang);
    readInt("FontSize", s.FontSize);
    // A size the dialog cannot set draws the text unreadable or not at all.
    s.FontSize = std::clamp(s.FontSize, MinFontSize, MaxFontSize);
    readBool("Color", s.Color);
    readBool("Tags", s.Tags);
    readBool("AutoSave", s.AutoSave);
    readBool("WordWrap", s.WordWrap);
    readBool("LineNumbers", s.LineNumbers);
    readText(QStringLiteral("OpenDir"), s.OpenDir);
    readText(QStringLiteral("SaveDir"), s.SaveDir);
    readText(QStringLiteral("TextDir"), s.TextDir);
    readText(QStringLiteral("FontType"), s.FontType);
    readBool("TagsInstalled", s.TagsInstalled);
    readInt("AntCon", s.AntCon);

    for (int n = 0; n < DefinedTagCount; ++n) {
        DefinedTag &tag = s.DefinedTags[size_t(n)];
        readText(numbered("DefTitle", n), tag.DefTitle);
        readText(numbered("DefOpen", n), tag.DefOpen);
        readText(numbered("DefClose", n), tag.DefClose);
        if (key.valueExists(numbered("DefBack", n)))
            tag.DefBack = key.readInteger(numbered("DefBack", n));
        if (key.valueExists(numbered("DefStat", n)))
            tag.DefStat = key.readInteger(numbered("DefStat", n));

        FtpSlot &ftp = s.Ftp[size_t(n)];
        readText(numbered("FTPNick", n), ftp.FTPNick);
        if (key.valueExists(numbered("FTPHost", n))) {
            ftp.FTPHost = key.readString(numbered("FTPHost", n));
            ftp.FTPName = key.readString(numbered("FTPName", n));
            ftp.FTPPass = key.readString(numbered("FTPPass", n));
        }
    }
}

void SaveSettings()
{
    const Settings &s = settings();
    ConfigKey key;
    if (!openConfig(key, ConfigKey::Mode::CreateIfMissing))
        return;
    key.writeInteger(QStringLiteral("Lang"), s.Lang);
    key.writeInteger(QStringLiteral("FontSize"), s.FontSize);
    key.writeBool(QStringLiteral("Color"), s.Color);
    key.writeBool(QStringLiteral("Tags"), s.Tags);
    key.writeBool(QStringLiteral("AutoSave"), s.AutoSave);
    key.writeBool(QStringLiteral("WordWrap"), s.WordWrap);
    key.writeBool(QStringLiteral("LineNumbers"), s.LineNumbers);
    key.writeString(QStringLiteral("FontType"), s.FontType);
    key.writeString(QStringLiteral("OpenDir"), s.OpenDir);
    key.writeString(QStringLiteral("SaveDir"), s.SaveDir);
    key.writeString(QStringLiteral("TextDir"), s.TextDir);
    key.writeInteger(QStringLiteral("AntCon"), s.AntCon);
    for (int n = 0; n < FtpSlotCount; ++n) {
        const FtpSlot &ftp = s.Ftp[size_t(n)];
        key.writeString(numbered("FTPNick", n), ftp.FTPNick);
        key.writeString(numbered("FTPName", n), ftp.FTPName);
        key.writeString(numbered("FTPHost", n), ftp.FTPHost);
        key.writeString(numbered("FTPPass", n), ftp.FTPPass);
    }
}

void SaveLanguage()
{
    ConfigKey key;
    if (openConfig(key, ConfigKey::Mode::CreateIfMissing))
        key.writeInteger(QStringLiteral("Lang"), settings().Lang);
}

void SaveLineNumbers()
{
    ConfigKey key;
    if (openConfig(key, ConfigKey::Mode::CreateIfMissing))
        key.writeBool(QStringLiteral("LineNumbers"), settings().LineNumbers);
}

void SaveDefinedTag(int slot)
{
    if (slot < 0 || slot >= DefinedTagCount)
        return;
    ConfigKey key;
    if (openConfig(key, ConfigKey::Mode::CreateIfMissing))
        writeDefinedTag(key, slot, settings().DefinedTags[size_t(slot)]);
}

void ResetDefinedTags()
{
    ConfigKey key;
    if (!openConfig(key, ConfigKey::Mode::CreateIfMissing))
        return;
    for (int n = 0; n < DefinedTagCount; ++n)
        writeDefinedTag(key, n, DefinedTag());
}

void MarkTagsInstalled()
{
    ConfigKey key;
    if (openConfig(key, ConfigKey::Mode::CreateIfMissing))
        key.writeBool(QStringLiteral("TagsInstalled"), true);
}

void WriteTagTemplate(int entry)
{
    if (entry < 0 || entry >= TagTableSize)
        return;
    ConfigKey key;
    if (!key.open(QLatin1String(TagsKeyPath), ConfigKey::Mode::CreateIfMissing))
        return;
    const TagTemplate &t = TagTable()[size_t(entry)];
    key.writeString(numbered("OPEN", entry), t.open);
    key.writeString(numbered("CLOSE", entry), t.close);
    key.writeInteger(numbered("BACK", entry), t.back);
}

void ReadTagTemplate(int entry)
{
    if (entry < 0 || entry >= TagTableSize)
        return;
    ConfigKey key;
    if (!key.open(QLatin1String(TagsKeyPath), ConfigKey::Mode::OpenExisting))
        return;
    const QString open = key.readString(numbered("OPEN", entry));
    if (open.isEmpty())
        return;
    TagTemplate &t = TagTable()[size_t(entry)];
    t.open = open;
    t.close = key.readString(numbered("CLOSE", entry));
    t.back = key.readInteger(numbered("BACK", entry));
}

TextFile::Error ExportSettingsFile(const QString &path, QString *detail)
{
    ConfigKey key;
    if (!openConfig(key, ConfigKey::Mode::OpenExisting))
        return TextFile::Error::None;

    const Settings defaults;
    const DefinedTag emptyTag;
    SettingsFileWriter file(key);
    for (int n = 0; n < DefinedTagCount; ++n) {
        file.integer(numbered("DefBack", n), emptyTag.DefBack);
        file.integer(numbered("DefStat", n), emptyTag.DefStat);
        file.text(numbered("DefOpen", n));
        file.text(numbered("DefClose", n));
        file.text(numbered("DefTitle", n));
        file.text(numbered("FTPHost", n));
        file.text(numbered("FTPName", n));
        file.text(numbered("FTPNick", n));
        file.text(numbered("FTPPass", n));
    }
    file.integer(QStringLiteral("AntCon"), defaults.AntCon);
    file.integer(QStringLiteral("AutoSave"), defaults.AutoSave);
    file.integer(QStringLiteral("Color"), defaults.Color);
    file.text(QStringLiteral("FontType"), defaults.FontType);
    file.integer(QStringLiteral("FontSize"), defaults.FontSize);
    file.integer(QStringLiteral("Lang"), defaults.Lang);
    file.text(QStringLiteral("OpenDir"), defaults.OpenDir);
    file.text(QStringLiteral("SaveDir"), defaults.SaveDir);
    file.text(QStringLiteral("TextDir"), defaults.TextDir);
    file.integer(QStringLiteral("TagsInstalled"), defaults.TagsInstalled);
    file.integer(QStringLiteral("WordWrap"), defaults.WordWrap);
    key.close();

    // It holds the FTP passwords.
    return TextFile::write(path, file.lines(), TextEncoding(), detail, TextFile::Access::OwnerOnly);
}

ImportResult ImportSettingsFile(const QString &path)
{
    const TextFile::ReadResult read = TextFile::read(path, MaxSettingsFileBytes);
    const QStringList &lines = read.lines;
    if (!read.ok() || lines.size() != SettingsFileLines
        || (lines.last() != QLatin1String("1") && lines.last() != QLatin1String("0")))
        return ImportResult::Invalid;

    ConfigKey key;
    if (!openConfig(key, ConfigKey::Mode::CreateIfMissing))
        return ImportResult::StoreUnavailable;

    for (int n = 0; n < DefinedTagCount; ++n) {
        const int at = 9 * n;
        importInteger(key, numbered("DefBack", n), lines[at]);
        importInteger(key, numbered("DefStat", n), lines[at + 1]);
        key.writeString(numbered("DefOpen", n), lines[at + 2]);
        key.writeString(numbered("DefClose", n), lines[at + 3]);
        key.writeString(numbered("DefTitle", n), lines[at + 4]);
        key.writeString(numbered("FTPHost", n), lines[at + 5]);
        key.writeString(numbered("FTPName", n), lines[at + 6]);
        key.writeString(numbered("FTPNick", n), lines[at + 7]);
        key.writeString(numbered("FTPPAss", n), lines[at + 8]);
    }
    importInteger(key, QStringLiteral("AntCon"), lines[90]);
    importBool(key, QStringLiteral("AutoSave"), lines[91]);
    importBool(key, QStringLiteral("Color"), lines[92]);
    key.writeString(QStringLiteral("FontType"), lines[93]);
    if (const auto size = parseInteger(lines[94]))
        key.writeInteger(QStringLiteral("FontSize"), std::clamp(*size, MinFontSize, MaxFontSize));
    importInteger(key, QStringLiteral("Lang"), lines[95]);
    key.writeString(QStringLiteral("OpenDir"), lines[96]);
    key.writeString(QStringLiteral("SaveDir"), lines[97]);
    key.writeString(QStringLiteral("TextDir"), lines[98]);
    importBool(key, QStringLiteral("TagsInstalled"), lines[99]);
    importBool(key, QStringLiteral("WordWrap"), lines[100]);
    return ImportResult::Imported;
}

void ReadOrInstallTagTemplates(const std::function<void(const QString &)> &inform)
{
    if (settings().TagsInstalled) {
        for (int i = 0; i < StoredTagTemplates; ++i)
            ReadTagTemplate(i);
        return;
    }
    if (inform)
        inform(installingTagsMessage());
    for (int i = 0; i < StoredTagTemplates; ++i) {
        TagTable()[size_t(i)] = builtInTagTemplate(i);
        WriteTagTemplate(i);
    }
    MarkTagsInstalled();
    ResetDefinedTags();
}

QString installingTagsMessage()
{
    return InstallingTagsText.text();
}

QString invalidSettingsFileMessage(const QString &path)
{
    return path + InvalidFileText.text();
}

QString foreignStoreMessage()
{
    return ConfigKey::storeUsable() ? QString() : ForeignStoreText.text().arg(ConfigKey::storePath());
}
