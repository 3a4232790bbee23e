#include "platform/configstore.h"
#include "settings/integertext.h"
#include "settings/regops.h"
#include "settings/settings.h"
#include "settings/tagtable.h"
#include "testconfig.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

namespace {

const QString Config = QStringLiteral("\\SOFTWARE\\Orvanti\\MarkvalePRO\\Config");

QStringList fileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!bytes.isEmpty() && !bytes.endsWith("\r\n"))
        return {QStringLiteral("<no final CR LF>")};
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

void writeLines(const QString &path, const QStringList &lines, const char *eol = "\r\n")
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    for (const QString &line : lines)
        file.write(line.toUtf8() + eol);
}

// A valid settings file with recognisable values.
QStringList sampleFile()
{
    QStringList lines;
    for (int n = 0; n < 10; ++n) {
        lines << QString::number(n) << QStringLiteral("2") << QStringLiteral("<b%1>").arg(n)
              << QStringLiteral("</b%1>").arg(n) << QStringLiteral("Bold %1").arg(n)
              << QStringLiteral("ftp%1.example.org").arg(n) << QStringLiteral("user%1").arg(n)
              << QStringLiteral("Site %1").arg(n) << QStringLiteral("pw%1").arg(n);
    }
    lines << "3" << "1" << "0" << "Courier New" << "14" << "2" << "/srv/open" << "/srv/save"
          << "/srv/text" << "1" << "0";
    return lines;
}

int storedInteger(const char *name)
{
    ConfigKey key;
    return key.open(Config, ConfigKey::Mode::OpenExisting) ? key.readInteger(QLatin1String(name))
                                                           : -999;
}

} // namespace

class TestRegOps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { settings() = Settings(); }

    void firstStartWritesEverything()
    {
        TestConfig config;
        LoadSettings();
        QCOMPARE(settings().Lang, 0);
        QCOMPARE(settings().FontType, QStringLiteral("Arial"));
        QCOMPARE(settings().OpenDir, QDir::homePath());
        SaveSettings();
        QStringList informed;
        ReadOrInstallTagTemplates([&](const QString &text) { informed << text; });
        QCOMPARE(informed, QStringList{"Installing tags now"});

        ConfigKey key;
        QVERIFY(key.open(Config, ConfigKey::Mode::OpenExisting));
        for (const char *name : {"Lang", "FontSize", "Color", "Tags", "AutoSave", "WordWrap",
                                 "OpenDir", "SaveDir", "TextDir", "FontType", "AntCon",
                                 "TagsInstalled"})
            QVERIFY2(key.valueExists(QLatin1String(name)), name);
        QVERIFY(key.readBool(QStringLiteral("TagsInstalled")));
        QCOMPARE(key.readInteger(QStringLiteral("FontSize")), 10);
        QCOMPARE(key.readInteger(QStringLiteral("WordWrap")), 1);
        for (int n = 0; n < 10; ++n) {
            for (const char *prefix : {"FTPHost", "FTPName", "FTPPass", "FTPNick", "DefTitle",
                                       "DefOpen", "DefClose"}) {
                const QString name = QLatin1String(prefix) + QString::number(n);
                QVERIFY2(key.valueExists(name), qPrintable(name));
                QCOMPARE(key.readString(name), QString());
            }
            QCOMPARE(key.readInteger(QStringLiteral("DefBack%1").arg(n)), 0);
            QCOMPARE(key.readInteger(QStringLiteral("DefStat%1").arg(n)), 1);
        }
        key.close();
        QVERIFY(QFile(config.path()).permissions().testFlag(QFile::ReadOwner));
        QVERIFY(!QFile(config.path()).permissions().testFlag(QFile::ReadOther));

        // The second start reads instead of installing.
        LoadSettings();
        QVERIFY(settings().TagsInstalled);
        ReadOrInstallTagTemplates([&](const QString &text) { informed << text; });
        QCOMPARE(informed.size(), 1);
    }

    void missingLanguageAloneReadsAsZero()
    {
        TestConfig config;
        settings().Lang = 3;
        settings().FontSize = 16;
        SaveSettings();
        {
            QSettings raw(config.path(), QSettings::IniFormat);
            raw.remove(QStringLiteral("Config/Lang"));
        }
        LoadSettings();
        QCOMPARE(settings().Lang, 0);
        QCOMPARE(settings().FontSize, 16);
    }

    void ftpCredentialsNeedTheirHost()
    {
        TestConfig config;
        {
            ConfigKey key;
            QVERIFY(key.open(Config, ConfigKey::Mode::CreateIfMissing));
            key.writeString(QStringLiteral("FTPName0"), QStringLiteral("orphan"));
            key.writeString(QStringLiteral("FTPNick0"), QStringLiteral("nick"));
            key.writeString(QStringLiteral("FTPHost1"), QStringLiteral("host"));
        }
        LoadSettings();
        QCOMPARE(settings().Ftp[0].FTPName, QString());
        QCOMPARE(settings().Ftp[0].FTPNick, QStringLiteral("nick"));
        QCOMPARE(settings().Ftp[1].FTPHost, QStringLiteral("host"));
        QCOMPARE(settings().Ftp[1].FTPPass, QString());
    }

    void exportImportRoundTrip()
    {
        TestConfig config;
        const QString file = config.dir() + QStringLiteral("/sample.mvc");
        writeLines(file, sampleFile());
        QCOMPARE(ImportSettingsFile(file), ImportResult::Imported);
        LoadSettings();
        const Settings &s = settings();
        QCOMPARE(s.Lang, 2);
        QCOMPARE(s.FontSize, 14);
        QCOMPARE(s.FontType, QStringLiteral("Courier New"));
        QCOMPARE(s.AntCon, 3);
        QCOMPARE(s.AutoSave, true);
        QCOMPARE(s.Color, false);
        QCOMPARE(s.WordWrap, false);
        QCOMPARE(s.TagsInstalled, true);
        QCOMPARE(s.TextDir, QStringLiteral("/srv/text"));
        QCOMPARE(s.DefinedTags[7].DefOpen, QStringLiteral("<b7>"));
        QCOMPARE(s.DefinedTags[7].DefBack, 7);
        QCOMPARE(s.DefinedTags[7].DefStat, 2);
        // Written as "FTPPAss", found as "FTPPass".
        QCOMPARE(s.Ftp[9].FTPPass, QStringLiteral("pw9"));
        QCOMPARE(s.Ftp[4].FTPNick, QStringLiteral("Site 4"));

        const QString again = config.dir() + QStringLiteral("/again.mvc");
        QCOMPARE(ExportSettingsFile(again), TextFile::Error::None);
        QCOMPARE(fileLines(again), sampleFile());
    }

    // Both files hold the FTP passwords: the store as it is written, the export as it is made.
    void passwordFilesAreOwnerOnly_data()
    {
        QTest::addColumn<bool>("exported");
        QTest::newRow("store written") << false;
        QTest::newRow("settings file over one readable by all") << true;
    }
    void passwordFilesAreOwnerOnly()
    {
        QFETCH(bool, exported);
        TestConfig config;
        const QString exportPath = config.dir() + QStringLiteral("/saved.mvc");
        writeLines(config.path(), {"[Config]", "Lang=1"}, "\n");
        writeLines(exportPath, {"old"});
        const QFile::Permissions readableByAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(config.path(), readableByAll));
        QVERIFY(QFile::setPermissions(exportPath, readableByAll));
        {
            ConfigKey key;
            QVERIFY(key.open(Config, ConfigKey::Mode::OpenExisting));
            key.writeString(QStringLiteral("FTPPass0"), QStringLiteral("secret"));
        }
        const QString path = exported ? exportPath : config.path();
        if (exported)
            QCOMPARE(ExportSettingsFile(path), TextFile::Error::None);
        QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        QVERIFY(QFile::permissions(path).testFlag(QFile::WriteOwner));
    }

    void exportWithoutKeyWritesNothing()
    {
        TestConfig config;
        const QString file = config.dir() + QStringLiteral("/none.mvc");
        QCOMPARE(ExportSettingsFile(file), TextFile::Error::None);
        QVERIFY(!QFile::exists(file));
    }

    void exportFillsMissingValuesWithDefaults()
    {
        TestConfig config;
        {
            ConfigKey key;
            QVERIFY(key.open(Config, ConfigKey::Mode::CreateIfMissing));
            key.writeInteger(QStringLiteral("Lang"), 3);
            key.writeString(QStringLiteral("DefTitle5"), QStringLiteral("Five"));
        }
        const QString file = config.dir() + QStringLiteral("/partial.mvc");
        QCOMPARE(ExportSettingsFile(file), TextFile::Error::None);
        const QStringList lines = fileLines(file);
        QCOMPARE(lines.size(), SettingsFileLines);
        QCOMPARE(lines[9 * 5 + 4], QStringLiteral("Five"));
        QCOMPARE(lines[9 * 5 + 1], QStringLiteral("1")); // DefStat default
        QCOMPARE(lines[92], QStringLiteral("1"));         // Color
        QCOMPARE(lines[93], QStringLiteral("Arial"));
        QCOMPARE(lines[95], QStringLiteral("3"));
        QCOMPARE(lines[96], QDir::homePath());
        QCOMPARE(ImportSettingsFile(file), ImportResult::Imported);
    }

    void exportIntoUnwritablePlaceIsReported()
    {
        TestConfig config;
        SaveSettings();
        QString detail;
        QCOMPARE(ExportSettingsFile(config.path() + QStringLiteral("/below-a-file.mvc"), &detail),
                 TextFile::Error::WriteFailed);
    }

    void refusedFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("contents");
        const QStringList good = sampleFile();
        auto join = [](const QStringList &lines) { return (lines.join("\r\n") + "\r\n").toUtf8(); };
        QTest::newRow("100 lines") << join(good.mid(0, 100));
        QTest::newRow("102 lines") << join(good + QStringList{"1"});
        QTest::newRow("last line a word") << join(good.mid(0, 100) + QStringList{"yes"});
        QTest::newRow("last line blank-padded") << join(good.mid(0, 100) + QStringList{" 1"});
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\x01\x02\xff\r\n", 6).repeated(101);
    }
    void refusedFilesChangeNothing()
    {
        QFETCH(QByteArray, contents);
        TestConfig config;
        settings().FontSize = 12;
        SaveSettings();
        const QByteArray before = [&] {
            QFile f(config.path());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        const QString file = config.dir() + QStringLiteral("/bad.mvc");
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(contents);
        }
        QCOMPARE(ImportSettingsFile(file), ImportResult::Invalid);
        QFile f(config.path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QCOMPARE(invalidSettingsFileMessage(file), file + " is not a valid Configuration file!");
    }

    void hugeFileIsRefused()
    {
        TestConfig config;
        const QString file = config.dir() + QStringLiteral("/huge.mvc");
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            const QByteArray line(1024 * 1024 - 2, 'x');
            for (int i = 0; i < 50; ++i)
                f.write(line + "\r\n");
        }
        QCOMPARE(ImportSettingsFile(file), ImportResult::Invalid);
        QVERIFY(!QFile::exists(config.path()));
    }

    void importRules()
    {
        TestConfig config;
        settings().FontSize = 11;
        SaveSettings();
        QStringList lines = sampleFile();
        lines[0] = QStringLiteral("  $1F");  // DefBack0
        lines[1] = QStringLiteral("two");    // DefStat0 stays
        lines[91] = QStringLiteral("false"); // AutoSave: only "0" is false
        lines[92] = QString();               // Color: empty is true
        lines[94] = QStringLiteral("12pt");  // FontSize stays
        lines[99] = QStringLiteral("0");     // TagsInstalled
        lines[100] = QStringLiteral("0");    // accepted like "1"
        const QString file = config.dir() + QStringLiteral("/rules.mvc");
        writeLines(file, lines, "\n"); // lone LF line ends
        QCOMPARE(ImportSettingsFile(file), ImportResult::Imported);
        LoadSettings();
        QCOMPARE(settings().DefinedTags[0].DefBack, 31);
        QCOMPARE(settings().DefinedTags[0].DefStat, 1);
        QCOMPARE(settings().AutoSave, true);
        QCOMPARE(settings().Color, true);
        QCOMPARE(settings().FontSize, 11);
        QCOMPARE(settings().WordWrap, false);
        QCOMPARE(settings().TagsInstalled, false);
        QCOMPARE(storedInteger("TagsInstalled"), 0);
    }

    void fontSizeKeepsToTheDialogsRange_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("loaded");
        QTest::newRow("huge") << "100000" << 18;
        QTest::newRow("negative") << "-4" << 8;
        QTest::newRow("zero") << "0" << 8;
        QTest::newRow("inside") << "12" << 12;
    }

    void fontSizeKeepsToTheDialogsRange()
    {
        QFETCH(QString, size);
        QFETCH(int, loaded);
        TestConfig config;
        config.writeLanguage(1, "FontSize=" + size.toLatin1() + "\n");
        LoadSettings();
        QCOMPARE(settings().FontSize, loaded);

        QStringList lines = sampleFile();
        lines[94] = size;
        const QString file = config.dir() + QStringLiteral("/size.mvc");
        writeLines(file, lines);
        QCOMPARE(ImportSettingsFile(file), ImportResult::Imported);
        QCOMPARE(storedInteger("FontSize"), loaded);
        LoadSettings();
        QCOMPARE(settings().FontSize, loaded);
    }

    void windows1252FileImportsAccents()
    {
        TestConfig config;
        QStringList lines = sampleFile();
        lines[4] = QStringLiteral("Überschrift");
        lines[93] = QStringLiteral("Frütiger Æ");
        const QString file = config.dir() + QStringLiteral("/latin.mvc");
        {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write((lines.join("\r\n") + "\r\n").toLatin1());
        }
        QCOMPARE(ImportSettingsFile(file), ImportResult::Imported);
        LoadSettings();
        QCOMPARE(settings().DefinedTags[0].DefTitle, QStringLiteral("Überschrift"));
        QCOMPARE(settings().FontType, QStringLiteral("Frütiger Æ"));
    }

    void notInstalledOverwritesStoredDefinedTags()
    {
        TestConfig config;
        settings().DefinedTags[2].DefTitle = QStringLiteral("Mine");
        SaveDefinedTag(2);
        LoadSettings();
        QCOMPARE(settings().DefinedTags[2].DefTitle, QStringLiteral("Mine"));
        QVERIFY(!settings().TagsInstalled);
        ReadOrInstallTagTemplates({});
        QCOMPARE(settings().DefinedTags[2].DefTitle, QStringLiteral("Mine")); // record untouched
        LoadSettings();
        QCOMPARE(settings().DefinedTags[2].DefTitle, QString());
    }

    void emptyStoredTemplateKeepsEntry()
    {
        TestConfig config;
        TagTable()[4] = TagTemplate{QStringLiteral("<x>"), QStringLiteral("</x>"), 3};
        WriteTagTemplate(4);
        TagTable()[5] = TagTemplate{QString(), QStringLiteral("</y>"), 2};
        WriteTagTemplate(5);
        TagTable()[4] = TagTemplate();
        TagTable()[5] = TagTemplate{QStringLiteral("<keep>"), QString(), 1};
        ReadTagTemplate(4);
        ReadTagTemplate(5);
        QCOMPARE(TagTable()[4], (TagTemplate{QStringLiteral("<x>"), QStringLiteral("</x>"), 3}));
        QCOMPARE(TagTable()[5], (TagTemplate{QStringLiteral("<keep>"), QString(), 1}));
    }

    void parseInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "42" << true << 42;
        QTest::newRow("blanks and sign") << "  -7" << true << -7;
        QTest::newRow("plus") << "+5" << true << 5;
        QTest::newRow("dollar hex") << "$ff" << true << 255;
        QTest::newRow("x hex") << "x10" << true << 16;
        QTest::newRow("0x hex") << "0X1a" << true << 26;
        QTest::newRow("negative hex") << "-$10" << true << -16;
        QTest::newRow("all bits") << "$FFFFFFFF" << true << -1;
        QTest::newRow("int min") << "-2147483648" << true << int(0x80000000u);
        QTest::newRow("too big") << "2147483648" << false << 0;
        QTest::newRow("trailing letters") << "12pt" << false << 0;
        QTest::newRow("trailing blank") << "12 " << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("prefix only") << "$" << false << 0;
        QTest::newRow("hex digit in decimal") << "1f" << false << 0;
        QTest::newRow("arabic digits") << QString::fromUtf8("\u0663") << false << 0;
    }
    void parseInteger()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        const std::optional<int> parsed = ::parseInteger(text);
        QCOMPARE(parsed.has_value(), ok);
        if (ok)
            QCOMPARE(*parsed, value);
    }

    void messagesFollowLanguage_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("installing");
        QTest::addColumn<QString>("invalid");
        QTest::newRow("none") << 0 << "Installing tags now" << "f is not a valid Configuration file!";
        QTest::newRow("danish") << 2 << "Installerer tags nu" << "f er ikke en gyldig konfigurationsfil!";
        QTest::newRow("german") << 3 << "Installiert jetzt die Tags"
                                << QString::fromUtf8("f is kein gängiger Einstellungsdatei!");
    }
    void messagesFollowLanguage()
    {
        QFETCH(int, lang);
        QFETCH(QString, installing);
        QFETCH(QString, invalid);
        settings().Lang = lang;
        QCOMPARE(installingTagsMessage(), installing);
        QCOMPARE(invalidSettingsFileMessage("f"), invalid);
    }
};

QTEST_GUILESS_MAIN(TestRegOps)
#include "tst_regops.moc"
