// How listings are shown, which names may become local files, and host texts.
#include "ftp/ftpconnections.h"
#include "ftp/ftplisting.h"
#include "settings/language.h"

#include <QTest>

using namespace FtpListing;

class TestFtpListing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizeTexts_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << qint64(0) << QStringLiteral("0 bytes");
        QTest::newRow("small") << qint64(900) << QStringLiteral("900 bytes");
        QTest::newRow("exactly 1024") << qint64(1024) << QStringLiteral("1024 bytes");
        QTest::newRow("1025") << qint64(1025) << QStringLiteral("1 Kb");
        QTest::newRow("2300") << qint64(2300) << QStringLiteral("2 Kb");
        QTest::newRow("beyond 32 bits") << qint64(5) * 1024 * 1024 * 1024 << QStringLiteral("5242880 Kb");
    }
    void sizeTexts()
    {
        QFETCH(qint64, size);
        QFETCH(QString, text);
        QCOMPARE(sizeText(size, English), text);
    }

    void summaryUsesTheSizeRule()
    {
        QCOMPARE(summaryText(2, 3200, English), QStringLiteral("Files: 2 in 3 Kb"));
        QCOMPARE(summaryText(0, 0, English), QStringLiteral("Files: 0 in 0 bytes"));
        QCOMPARE(summaryText(2, 3200, Danish), QStringLiteral("Filer: 2 i 3 Kb"));
    }

    void progressShowsTheSizeOnlyWhenKnown()
    {
        QCOMPARE(progressText(4168, 20480), QStringLiteral("4168 / 20480"));
        QCOMPARE(progressText(4168, 0), QStringLiteral("4168"));
    }

    void filesAndFolders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("file");
        QTest::newRow("page") << QStringLiteral("a.html") << true;
        QTest::newRow("folder") << QStringLiteral("img") << false;
        QTest::newRow("no extension") << QStringLiteral("README") << false;
        QTest::newRow("dot") << QStringLiteral(".") << true;
        QTest::newRow("dot dot") << QStringLiteral("..") << true;
        QTest::newRow("hidden") << QStringLiteral(".htaccess") << true;
    }
    void filesAndFolders()
    {
        QFETCH(QString, name);
        QFETCH(bool, file);
        QCOMPARE(isFile(name), file);
    }

    void icons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("icon");
        QTest::newRow("txt") << QStringLiteral("notes.txt") << int(TextIcon);
        QTest::newRow("css") << QStringLiteral("site.css") << int(StyleIcon);
        QTest::newRow("ra") << QStringLiteral("song.ra") << int(SoundIcon);
        QTest::newRow("mp3") << QStringLiteral("song.mp3") << int(SoundIcon);
        QTest::newRow("js") << QStringLiteral("menu.js") << int(ScriptIcon);
        QTest::newRow("shtml") << QStringLiteral("index.shtml") << int(PageIcon);
        QTest::newRow("vrm") << QStringLiteral("world.vrm") << int(PageIcon);
        QTest::newRow("ico") << QStringLiteral("favicon.ico") << int(PictureIcon);
        QTest::newRow("swf") << QStringLiteral("intro.swf") << int(MovieIcon);
        QTest::newRow("case counts") << QStringLiteral("INDEX.HTML") << int(OtherIcon);
        QTest::newRow("last dot decides") << QStringLiteral("page.html.bak") << int(OtherIcon);
        QTest::newRow("pl") << QStringLiteral("form.pl") << int(PageIcon);
    }
    void icons()
    {
        QFETCH(QString, name);
        QFETCH(int, icon);
        QCOMPARE(int(iconOf(name)), icon);
    }

    void localNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << QStringLiteral("index.html") << true;
        QTest::newRow("dots inside") << QStringLiteral("a..b.html") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("dot") << QStringLiteral(".") << false;
        QTest::newRow("dot dot") << QStringLiteral("..") << false;
        QTest::newRow("slash") << QStringLiteral("../x.html") << false;
        QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << false;
        QTest::newRow("backslash") << QStringLiteral("..\\x.html") << false;
        QTest::newRow("nul") << QStringLiteral("a") + QChar(0) + QStringLiteral(".html") << false;
    }
    void localNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(isSafeLocalName(name), safe);
    }

    void pagesOpenInEditor_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("opens");
        for (const char *name : {"/w/a.htm", "/w/a.html", "/w/a.txt", "/w/a.css", "/w/a.js"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        for (const char *name : {"/w/logo.gif", "/w/a.shtml", "/w/A.HTML", "/w.d/README"})
            QTest::newRow(name) << QString::fromLatin1(name) << false;
    }
    void pagesOpenInEditor()
    {
        QFETCH(QString, path);
        QFETCH(bool, opens);
        QCOMPARE(opensInEditor(path), opens);
    }

    void hostsMayCarryAPort_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("name") << QStringLiteral("ftp.example.com") << QStringLiteral("ftp.example.com") << 21;
        QTest::newRow("with port") << QStringLiteral("127.0.0.1:2121") << QStringLiteral("127.0.0.1") << 2121;
        QTest::newRow("blanks") << QStringLiteral(" ftp.example.com ") << QStringLiteral("ftp.example.com") << 21;
        QTest::newRow("not a port") << QStringLiteral("host:ftp") << QStringLiteral("host:ftp") << 21;
        QTest::newRow("out of range") << QStringLiteral("host:70000") << QStringLiteral("host:70000") << 21;
    }
    void hostsMayCarryAPort()
    {
        QFETCH(QString, text);
        const FtpConnections::Endpoint endpoint = FtpConnections::endpointOf(text);
        QTEST(endpoint.host, "host");
        QTEST(endpoint.port, "port");
    }
};

QTEST_GUILESS_MAIN(TestFtpListing)
#include "tst_ftplisting.moc"
