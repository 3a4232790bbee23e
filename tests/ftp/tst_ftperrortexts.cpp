#include "ftp/ftperrortexts.h"
#include "ftp/ftpexception.h"
#include "ftp/sockerror.h"
#include "settings/language.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The FTP window's failure boxes speak the user's language and keep the
// technical part (server reply, socket error, TLS or file reason) readable.
class TestFtpErrorTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void failuresInTheUsersLanguage_data()
    {
        QTest::addColumn<bool>("serverReply");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("shown");
        QTest::newRow("closed, Danish") << false << "Connection closed" << int(Danish)
                                        << "Serveren har lukket forbindelsen.";
        QTest::newRow("TLS reason kept") << false << "Encryption failed: The certificate has expired" << int(German)
                                         << "Die Verschlüsselung ist fehlgeschlagen:\nThe certificate has expired";
        QTest::newRow("file and reason") << false << "Cannot write /tmp/a: b.htm: Permission denied" << int(Danish)
                                         << "/tmp/a: b.htm kan ikke skrives:\nPermission denied";
        QTest::newRow("TLS refused with the answer")
            << false << "The server does not offer encryption (TLS), which this connection requires. Its answer: 500 ?"
            << int(Danish) << "Serveren tilbyder ikke kryptering (TLS), som denne forbindelse kræver. Serverens "
                              "svar:\n500 ?";
        QTest::newRow("socket error") << false << "10061:Connection refused" << int(German)
                                      << "Netzwerkfehler:\n10061:Connection refused";
        QTest::newRow("unknown text") << false << "Something new" << int(Danish)
                                      << "FTP-forbindelsen meldte en fejl:\nSomething new";
        QTest::newRow("English as thrown") << false << "Connection closed" << int(English) << "Connection closed";
        QTest::newRow("no language yet") << false << "10061:Connection refused" << int(NoLanguage)
                                         << "10061:Connection refused";
        QTest::newRow("server reply") << true << "530 Login incorrect." << int(Danish)
                                      << "Serveren svarede:\n530 Login incorrect.";
        QTest::newRow("server reply, English") << true << "530 Login incorrect." << int(English)
                                               << "530 Login incorrect.";
    }

    void failuresInTheUsersLanguage()
    {
        QFETCH(bool, serverReply);
        QFETCH(QString, message);
        QFETCH(int, lang);
        QFETCH(QString, shown);
        if (serverReply)
            QCOMPARE(FtpErrorTexts::text(FTPException(message), lang), shown);
        else
            QCOMPARE(FtpErrorTexts::text(ESockError(message), lang), shown);
    }

    // A new failure text thrown without a translation would reach Danish and
    // German users in English.
    void everyThrownTextIsTranslated()
    {
        const QDir sources(QStringLiteral(MARKVALE_SOURCE_DIR "/ftp"));
        // The string literals, adjacent ones joined, given to a thrown failure.
        const QRegularExpression thrown(QStringLiteral("(?:ESockError|EAbortError|refuseLogin|runtime_error)\\(\\s*"
                                                       "(?:QStringLiteral\\()?((?:\"(?:[^\"\\\\]|\\\\.)*\"\\s*)+)"));
        const QRegularExpression piece(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
        const QStringList known = FtpErrorTexts::knownTexts();
        int found = 0;
        for (const QString &name : sources.entryList({QStringLiteral("*.cpp")})) {
            QFile file(sources.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(file.readAll());
            for (const auto &match : thrown.globalMatch(code)) {
                QString text;
                for (const auto &part : piece.globalMatch(match.captured(1)))
                    text += part.captured(1);
                ++found;
                QVERIFY2(known.contains(text), qPrintable(name + QLatin1String(": ") + text));
            }
        }
        QVERIFY(found > 10);
    }
};

QTEST_GUILESS_MAIN(TestFtpErrorTexts)
#include "tst_ftperrortexts.moc"
