// The connection chooser and the data dialog: slots, count, saving one slot at a time.
#include "ftp/conform.h"
#include "ftp/dataform.h"
#include "platform/configstore.h"
#include "scriptedprompts.h"
#include "settings/regops.h"
#include "settings/settings.h"
#include "testconfig.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

void setSlot(int n, const QString &nick)
{
    settings().Ftp[size_t(n)] = {QStringLiteral("host%1").arg(n), QStringLiteral("user%1").arg(n),
                                 QStringLiteral("pass%1").arg(n), nick};
}

// Fills the data dialog as a user would and presses OK.
std::function<void(QDialog &)> enter(const QString &nick, const QString &host, const QString &user,
                                     const QString &password)
{
    return [=](QDialog &dialog) {
        auto &data = static_cast<Tdataform &>(dialog);
        data.nameEdit->setText(nick);
        data.hostEdit->setText(host);
        data.userEdit->setText(user);
        data.passwordEdit->setText(password);
        data.okButton->click();
    };
}

QString stored(const QString &name)
{
    ConfigKey key;
    if (!key.open(QLatin1String(ConfigKeyPath), ConfigKey::Mode::OpenExisting) || !key.valueExists(name))
        return QStringLiteral("<missing>");
    return key.readString(name);
}

} // namespace

class TestFtpConnections : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestConfig> config;
    std::unique_ptr<ScriptedPrompts> prompts;

    // Shows the chooser and hands it to script, as the FTP window's Connect does.
    void choose(const std::function<void(Tconform &)> &script, Tconform &chooser)
    {
        prompts->answerDialog([&](QDialog &d) { script(static_cast<Tconform &>(d)); });
        Prompts::runDialog(chooser);
    }

private Q_SLOTS:
    void init()
    {
        config = std::make_unique<TestConfig>();
        prompts = std::make_unique<ScriptedPrompts>();
        settings() = Settings();
        settings().Lang = English;
    }

    void cleanup()
    {
        QCOMPARE(prompts->pending(), 0);
        prompts.reset();
        config.reset();
    }

    void emptyChooserOffersOnlyNew()
    {
        Tconform chooser;
        choose([](Tconform &c) {
            QCOMPARE(c.connectionList->count(), 0);
            QVERIFY(!c.connectButton->isEnabled());
            QVERIFY(!c.editButton->isEnabled());
            QVERIFY(c.newButton->isEnabled());
            QCOMPARE(c.focusWidget(), c.newButton);
            c.cancelButton->click();
        }, chooser);
        QVERIFY(!chooser.chosen());
    }

    void connectChoosesTheSelectedSlot()
    {
        settings().AntCon = 2;
        setSlot(0, QStringLiteral("home"));
        setSlot(1, QStringLiteral("work"));
        Tconform chooser;
        choose([](Tconform &c) {
            QCOMPARE(c.connectionList->count(), 2);
            QCOMPARE(c.connectionList->item(1)->text(), QStringLiteral("work"));
            c.connectionList->setCurrentRow(1);
            QVERIFY(c.connectButton->isEnabled());
            c.connectionList->clearSelection();
            QVERIFY(!c.connectButton->isEnabled() && !c.editButton->isEnabled());
            c.connectionList->setCurrentRow(1);
            c.connectButton->click();
        }, chooser);
        QVERIFY(chooser.chosen());
        QCOMPARE(chooser.pending().host, QStringLiteral("host1"));
        QCOMPARE(chooser.pending().user, QStringLiteral("user1"));
        QCOMPARE(chooser.pending().password, QStringLiteral("pass1"));

        // Showing the chooser again forgets the earlier choice.
        choose([](Tconform &c) { c.cancelButton->click(); }, chooser);
        QVERIFY(!chooser.chosen());
    }

    void chooserOpensOnTheLastUsedConnection()
    {
        settings().AntCon = 3;
        for (int n = 0; n < 3; ++n)
            setSlot(n, QStringLiteral("site %1").arg(n));
        FtpConnections::setLastUsed(-1);
        Tconform chooser;
        choose([](Tconform &c) {
            QCOMPARE(c.connectionList->currentRow(), 0);
            QVERIFY(c.connectionList->currentItem()->isSelected() && c.connectButton->isEnabled());
            c.connectionList->setCurrentRow(2);
            c.connectButton->click();
        }, chooser);
        choose([](Tconform &c) {
            QCOMPARE(c.connectionList->currentRow(), 2);
            QVERIFY(c.connectionList->currentItem()->isSelected());
            c.cancelButton->click();
        }, chooser);
    }

    void newConnectionIsAddedAndSaved()
    {
        Tconform chooser;
        choose([this](Tconform &c) {
            prompts->answerDialog(enter(QStringLiteral("site"), QStringLiteral("ftp.example.com"),
                                        QStringLiteral("me"), QString()));
            c.newButton->click();
            QCOMPARE(c.connectionList->count(), 1);
            QCOMPARE(c.connectionList->item(0)->text(), QStringLiteral("site"));
            c.connectionList->setCurrentRow(0);
            c.connectButton->click();
        }, chooser);
        QCOMPARE(settings().AntCon, 1);
        QCOMPARE(stored(QStringLiteral("AntCon")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("FTPHost0")), QStringLiteral("ftp.example.com"));
        QCOMPARE(stored(QStringLiteral("FTPNick0")), QStringLiteral("site"));
        // An empty password is stored and offered like any other.
        QCOMPARE(stored(QStringLiteral("FTPPass0")), QString());
        QVERIFY(chooser.chosen());
        QCOMPARE(chooser.pending().password, QString());

        LoadSettings();
        QCOMPARE(settings().Ftp[0].FTPName, QStringLiteral("me"));
    }

    void tenthConnectionDisablesNew()
    {
        settings().AntCon = 9;
        for (int n = 0; n < 9; ++n)
            setSlot(n, QStringLiteral("c%1").arg(n));
        Tconform chooser;
        choose([this](Tconform &c) {
            QVERIFY(c.newButton->isEnabled());
            prompts->answerDialog(enter(QStringLiteral("tenth"), QStringLiteral("h"), QStringLiteral("u"),
                                        QStringLiteral("p")));
            c.newButton->click();
            QVERIFY(!c.newButton->isEnabled());
            QCOMPARE(c.connectionList->count(), 10);
            c.cancelButton->click();
        }, chooser);
        QCOMPARE(settings().AntCon, 10);
        QCOMPARE(stored(QStringLiteral("FTPNick9")), QStringLiteral("tenth"));

        choose([](Tconform &c) {
            QVERIFY(!c.newButton->isEnabled());
            c.cancelButton->click();
        }, chooser);
    }

    void cancelledNewChangesNothing()
    {
        Tconform chooser;
        choose([this](Tconform &c) {
            prompts->answerDialog([](QDialog &d) { static_cast<Tdataform &>(d).cancelButton->click(); });
            c.newButton->click();
            QCOMPARE(c.connectionList->count(), 0);
            c.cancelButton->click();
        }, chooser);
        QCOMPARE(settings().AntCon, 0);
        QCOMPARE(stored(QStringLiteral("AntCon")), QStringLiteral("<missing>"));
    }

    void editingTheFirstWritesOnlySlotZero()
    {
        settings().AntCon = 2;
        setSlot(0, QStringLiteral("old"));
        setSlot(1, QStringLiteral("other"));
        Tconform chooser;
        choose([this](Tconform &c) {
            c.connectionList->setCurrentRow(0);
            prompts->answerDialog([](QDialog &d) {
                auto &data = static_cast<Tdataform &>(d);
                QCOMPARE(data.hostEdit->text(), QStringLiteral("host0"));
                QCOMPARE(data.passwordEdit->text(), QStringLiteral("pass0"));
                QCOMPARE(data.passwordEdit->echoMode(), QLineEdit::Password);
                QCOMPARE(data.nameEdit->text(), QStringLiteral("old"));
                data.nameEdit->setText(QStringLiteral("new"));
                data.hostEdit->setText(QStringLiteral("ftp.new.example"));
                data.okButton->click();
            });
            c.editButton->click();
            QCOMPARE(c.connectionList->item(0)->text(), QStringLiteral("new"));
            QVERIFY(c.connectionList->item(0)->isSelected());
            c.cancelButton->click();
        }, chooser);
        QCOMPARE(settings().Ftp[0].FTPHost, QStringLiteral("ftp.new.example"));
        QCOMPARE(stored(QStringLiteral("FTPHost0")), QStringLiteral("ftp.new.example"));
        QCOMPARE(stored(QStringLiteral("FTPName0")), QStringLiteral("user0"));
        QCOMPARE(stored(QStringLiteral("FTPNick0")), QStringLiteral("new"));
        QCOMPARE(stored(QStringLiteral("FTPHost1")), QStringLiteral("<missing>"));
        QCOMPARE(settings().Ftp[1].FTPNick, QStringLiteral("other"));
    }

    void transferSettingsAreKeptBesideTheSlot()
    {
        settings().AntCon = 2;
        setSlot(0, QStringLiteral("home"));
        setSlot(1, QStringLiteral("work"));
        {
            // A value no version wrote falls back to the default.
            ConfigKey key;
            QVERIFY(key.open(QLatin1String(ConfigKeyPath), ConfigKey::Mode::CreateIfMissing));
            key.writeInteger(QStringLiteral("FTPMode0"), 7);
        }
        Tconform chooser;
        choose([this](Tconform &c) {
            c.connectionList->setCurrentRow(1);
            prompts->answerDialog([](QDialog &d) {
                auto &data = static_cast<Tdataform &>(d);
                QCOMPARE(data.protocolBox->currentIndex(), 0);
                QCOMPARE(data.modeBox->currentIndex(), 0);
                QCOMPARE(data.encryptionBox->currentIndex(), 0);
                data.modeBox->setCurrentIndex(2);
                data.encryptionBox->setCurrentIndex(2);
                // Mode and encryption do not apply to SFTP, but are kept for going back.
                data.protocolBox->setCurrentIndex(1);
                QVERIFY(!data.modeBox->isEnabled() && !data.encryptionBox->isEnabled());
                data.okButton->click();
            });
            c.editButton->click();
            c.connectionList->setCurrentRow(1);
            c.connectButton->click();
        }, chooser);
        QCOMPARE(stored(QStringLiteral("FTPProtocol1")), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("FTPMode1")), QStringLiteral("2"));
        QCOMPARE(stored(QStringLiteral("FTPTls1")), QStringLiteral("2"));
        QCOMPARE(chooser.pending().options.protocol, FtpProtocol::Sftp);
        QCOMPARE(chooser.pending().options.mode, TNMFTP::TransferMode::Passive);
        QCOMPARE(chooser.pending().options.encryption, TNMFTP::Encryption::Required);

        choose([](Tconform &c) {
            c.connectionList->setCurrentRow(0);
            c.connectButton->click();
        }, chooser);
        QCOMPARE(chooser.pending().options.protocol, FtpProtocol::Ftp);
        QCOMPARE(chooser.pending().options.mode, TNMFTP::TransferMode::Automatic);
        QCOMPARE(chooser.pending().options.encryption, TNMFTP::Encryption::None);
    }

    void transferCaptionsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("required");
        QTest::addColumn<QString>("sftp");
        QTest::newRow("English") << 1 << QStringLiteral("Encryption") << QStringLiteral("TLS required")
                                 << QStringLiteral("SFTP (over SSH)");
        QTest::newRow("Danish") << 2 << QStringLiteral("Kryptering") << QStringLiteral("TLS påkrævet")
                                << QStringLiteral("SFTP (via SSH)");
        QTest::newRow("German") << 3 << QStringLiteral("Verschlüsselung") << QStringLiteral("TLS erforderlich")
                                << QStringLiteral("SFTP (über SSH)");
        QTest::newRow("unset keeps design") << 0 << QStringLiteral("Encryption") << QStringLiteral("TLS required")
                                            << QStringLiteral("SFTP (over SSH)");
    }
    void transferCaptionsFollowTheLanguage()
    {
        QFETCH(int, lang);
        QFETCH(QString, label);
        QFETCH(QString, required);
        QFETCH(QString, sftp);
        settings().Lang = lang;
        Tdataform data;
        prompts->answerDialog([&](QDialog &d) {
            auto &shown = static_cast<Tdataform &>(d);
            QCOMPARE(shown.encryptionLabel->text(), label);
            QCOMPARE(shown.encryptionBox->itemText(2), required);
            QCOMPARE(shown.protocolBox->itemText(1), sftp);
            d.reject();
        });
        Prompts::runDialog(data);
    }

    void captionsFollowTheLanguage_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("connect");
        QTest::addColumn<QString>("label");
        QTest::newRow("English") << 1 << QStringLiteral("Connec&t") << QStringLiteral("Enter your password");
        QTest::newRow("Danish") << 2 << QStringLiteral("&Forbind") << QStringLiteral("Indtast dit kode-ord");
        QTest::newRow("German") << 3 << QStringLiteral("&Verbinden") << QStringLiteral("Kennwort eingeben");
        QTest::newRow("unset keeps design") << 0 << QStringLiteral("Connec&t") << QStringLiteral("Enter your password");
    }
    void captionsFollowTheLanguage()
    {
        QFETCH(int, lang);
        QFETCH(QString, connect);
        QFETCH(QString, label);
        settings().Lang = lang;
        Tconform chooser;
        choose([&](Tconform &c) {
            QCOMPARE(c.connectButton->text(), connect);
            prompts->answerDialog([&](QDialog &d) {
                QCOMPARE(static_cast<Tdataform &>(d).passwordLabel->text(), label);
                d.reject();
            });
            c.newButton->click();
            c.cancelButton->click();
        }, chooser);
    }
};

QTEST_MAIN(TestFtpConnections)
#include "tst_ftpconnections.moc"
