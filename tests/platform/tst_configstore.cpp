#include "platform/configstore.h"
#include "testconfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

class TestConfigStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openWithoutCreatingFailsOnMissingFile()
    {
        TestConfig config;
        ConfigKey key;
        QVERIFY(!key.open(QStringLiteral("\\SOFTWARE\\Orvanti\\MarkvalePRO\\Config"),
                          ConfigKey::Mode::OpenExisting));
        QVERIFY(!QFile::exists(config.path()));
    }

    void createdFileIsPrivateAndKeepsValues()
    {
        TestConfig config;
        {
            ConfigKey key;
            QVERIFY(key.open(QStringLiteral("\\SOFTWARE\\Orvanti\\MarkvalePRO\\Config"),
                             ConfigKey::Mode::CreateIfMissing));
            key.writeString(QStringLiteral("FTPPass0"), QStringLiteral("secret, with comma"));
            key.writeInteger(QStringLiteral("FontSize"), -12);
            key.writeBool(QStringLiteral("Color"), true);
        }
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
                                          | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFileInfo(config.path()).permissions() & others, QFile::Permissions());
        QVERIFY(QFileInfo(config.path()).permissions().testFlag(QFile::WriteOwner));

        ConfigKey key;
        QVERIFY(key.open(QStringLiteral("Config"), ConfigKey::Mode::OpenExisting));
        QCOMPARE(key.readString(QStringLiteral("FTPPass0")), QStringLiteral("secret, with comma"));
        QCOMPARE(key.readInteger(QStringLiteral("FontSize")), -12);
        QCOMPARE(key.readInteger(QStringLiteral("Color")), 1);
        QVERIFY(key.readBool(QStringLiteral("Color")));
        // Other keys of the same file are separate.
        ConfigKey tags;
        QVERIFY(!tags.open(QStringLiteral("\\SOFTWARE\\Orvanti\\MarkvalePRO\\Tags"),
                           ConfigKey::Mode::OpenExisting));
    }

    void namesIgnoreCase()
    {
        TestConfig config;
        {
            ConfigKey key;
            QVERIFY(key.open(QStringLiteral("Config"), ConfigKey::Mode::CreateIfMissing));
            key.writeString(QStringLiteral("FTPPass3"), QStringLiteral("old"));
            key.writeString(QStringLiteral("FTPPAss3"), QStringLiteral("new"));
        }
        ConfigKey key;
        QVERIFY(key.open(QStringLiteral("Config"), ConfigKey::Mode::OpenExisting));
        QVERIFY(key.valueExists(QStringLiteral("ftppass3")));
        QCOMPARE(key.readString(QStringLiteral("FTPPass3")), QStringLiteral("new"));
        QVERIFY(!key.valueExists(QStringLiteral("FTPPass4")));
        QCOMPARE(key.readString(QStringLiteral("FTPPass4")), QString());
        QCOMPARE(key.readInteger(QStringLiteral("missing")), 0);
        // Only one value is stored: the name keeps its first spelling.
        QFile file(config.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        QCOMPARE(contents.count("FTPPass3"), 1);
        QVERIFY(!contents.contains("FTPPAss3"));
    }

    void malformedFileIsLeftAlone()
    {
        TestConfig config;
        const QByteArray garbage("[Config\n\xff\xfe=\x01\x02\nnot ini at all [[[\n");
        {
            QFile file(config.path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(garbage);
        }
        {
            ConfigKey key;
            if (key.open(QStringLiteral("Config"), ConfigKey::Mode::CreateIfMissing))
                key.writeInteger(QStringLiteral("Lang"), 2);
        }
        QFile file(config.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), garbage);
    }

    void unwritableFileIsNotCreatedOrChanged()
    {
        TestConfig config;
        {
            ConfigKey key;
            QVERIFY(key.open(QStringLiteral("Config"), ConfigKey::Mode::CreateIfMissing));
            key.writeInteger(QStringLiteral("Lang"), 1);
        }
        QFile::setPermissions(config.path(), QFile::ReadOwner);
        if (QFileInfo(config.path()).isWritable())
            QSKIP("running as a user who can write read-only files");
        {
            ConfigKey key;
            QVERIFY(key.open(QStringLiteral("Config"), ConfigKey::Mode::OpenExisting));
            key.writeInteger(QStringLiteral("Lang"), 3);
            QCOMPARE(key.readInteger(QStringLiteral("Lang")), 1);
        }
        ConfigKey tags;
        QVERIFY(!tags.open(QStringLiteral("Tags"), ConfigKey::Mode::CreateIfMissing));
    }

    void storeThatIsAFolderCannotBeOpened()
    {
        TestConfig config;
        QVERIFY(QDir().mkpath(config.path()));
        ConfigKey key;
        QVERIFY(!key.open(QStringLiteral("Config"), ConfigKey::Mode::CreateIfMissing));
        key.writeInteger(QStringLiteral("Lang"), 1); // a closed key ignores writes
        QVERIFY(!key.valueExists(QStringLiteral("Lang")));
    }

    void storePathFollowsEnvironment()
    {
        TestConfig config;
        QCOMPARE(ConfigKey::storePath(), config.path());
        qunsetenv("MARKVALE_CONFIG");
        QVERIFY(ConfigKey::storePath().endsWith(QLatin1String("/Orvanti/MarkvalePRO.conf")));
    }
};

QTEST_GUILESS_MAIN(TestConfigStore)
#include "tst_configstore.moc"
