#include "wizards/imagemaptext.h"

#include <QTest>

// The map-name rule and the lines of the inserted map.
class TestImageMapText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mapNameRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("preset alone") << ".map" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("one character") << "a.map" << true;
        QTest::newRow("upper-case extension") << "nav.MAP" << false;
        QTest::newRow("mixed-case extension") << "nav.Map" << false;
        QTest::newRow("no dot") << "navmap" << false;
        QTest::newRow("extension not last") << "nav.map " << false;
        QTest::newRow("path-like") << "site/nav.map" << true;
    }
    void mapNameRule()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QCOMPARE(ImageMapText::isMapName(name), accepted);
    }

    void baseNameDropsTheExtensionOnly()
    {
        QCOMPARE(ImageMapText::baseName(QStringLiteral("a.map")), QStringLiteral("a"));
        QCOMPARE(ImageMapText::baseName(QStringLiteral("my.nav.map")), QStringLiteral("my.nav"));
    }

    void headNamesTheFileWithoutItsDirectory()
    {
        QCOMPARE(ImageMapText::head(QStringLiteral("/home/u/pics/logo.gif"), QSize(200, 100), QStringLiteral("nav")),
                 QStringLiteral("<img src=\"logo.gif\" height=\"100\" width=\"200\" ismap usemap=\"#navareas\" "
                                "border=\"0\">\r\n<map name=\"navareas\">"));
    }

    void percentSignsAreNotPlaceholders()
    {
        const QString head =
            ImageMapText::head(QStringLiteral("/p/50%1off.gif"), QSize(3, 4), QStringLiteral("a%2"));
        QVERIFY(head.contains(QLatin1String("src=\"50%1off.gif\" height=\"4\" width=\"3\"")));
        QVERIFY(head.contains(QLatin1String("<map name=\"a%2areas\">")));
    }

    void linkAndTitleGoInVerbatim()
    {
        QCOMPARE(ImageMapText::areaLine(QStringLiteral("rect"), QStringLiteral("1,2 3,4"),
                                        QStringLiteral("a.htm?q=\"x\"&y=%1"), QStringLiteral("Say \"hi\"")),
                 QStringLiteral("<area shape=\"rect\" coords=\"1,2 3,4\" href=\"a.htm?q=\"x\"&y=%1\" "
                                "alt=\"Say \"hi\"\">\r\n"));
        QCOMPARE(ImageMapText::defaultAreaLine(QStringLiteral("home.htm")),
                 QStringLiteral("<area shape=\"default\" href=\"home.htm\">\r\n"));
    }

    void appendLineKeepsLinesApart_data()
    {
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty pane") << "" << "<b>\r\n";
        QTest::newRow("ends with a break") << "<a>\r\n" << "<a>\r\n<b>\r\n";
        QTest::newRow("break removed by the user") << "<a>" << "<a>\r\n<b>\r\n";
    }
    void appendLineKeepsLinesApart()
    {
        QFETCH(QString, lines);
        QFETCH(QString, expected);
        QCOMPARE(ImageMapText::appendLine(lines, QStringLiteral("<b>\r\n")), expected);
    }
};

QTEST_GUILESS_MAIN(TestImageMapText)
#include "tst_imagemaptext.moc"
