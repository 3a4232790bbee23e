#include "wizards/framesetpage.h"
#include "wizards/pagenames.h"
#include "wizards/previewgeometry.h"

#include <QTest>

namespace {

FrameDescription frame(const char *name, const char *path, const char *scrolling)
{
    FrameDescription f;
    f.name = QLatin1String(name);
    f.path = QLatin1String(path);
    f.scrolling = QLatin1String(scrolling);
    return f;
}

QString lines(std::initializer_list<const char *> list)
{
    QStringList all;
    for (const char *line : list)
        all << QString::fromUtf8(line);
    return all.join(QLatin1String("\r\n"));
}

} // namespace

Q_DECLARE_METATYPE(FramesetDescription)

// The documents of a frameset, byte for byte, and the rules for the names
// and the preview that the wizard's pages use.
class TestFramesetPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void framesetPage_data()
    {
        QTest::addColumn<FramesetDescription>("description");
        QTest::addColumn<QString>("expected");

        FramesetDescription d;
        d.layout = 1;
        d.outerSize = QStringLiteral("50%");
        d.framesetPath = QStringLiteral("/web/index.htm");
        d.frames[0] = frame("leftframe", "/web/menu.htm", "Auto");
        d.frames[1] = frame("rightframe", "/web/main.htm", "Yes");
        QTest::newRow("two columns, percent, no options") << d << lines({
            "<html>", "<head>", "<title></title>", "</head>",
            "<frameset cols=\"50%,*\" border=\"0\" frameborder=\"0\">",
            "<frame src=\"menu.htm\" name=\"leftframe\" scrolling=\"Auto\" marginwidth=\"0\" marginheight=\"0\">",
            "<frame src=\"main.htm\" name=\"rightframe\" scrolling=\"Yes\" marginwidth=\"0\" marginheight=\"0\">",
            "</frameset>", "</html>"});

        d.layout = 2;
        d.outerSize = QStringLiteral("200");
        d.outerBorder = true;
        d.frames[0] = frame("", "/web/top.html", "No");
        d.frames[0].noResize = true;
        d.frames[1] = frame("bottomframe", "/web/bottom.htm", "Yes");
        d.frames[1].horizontalMargin = true;
        d.frames[1].verticalMargin = true;
        d.frames[1].noResize = true;
        QTest::newRow("two rows, pixels, border, empty name, every option") << d << lines({
            "<html>", "<head>", "<title></title>", "</head>",
            "<frameset rows=\"200,*\" border=\"1\" frameborder=\"1\">",
            "<frame src=\"top.html\" name=\"\" scrolling=\"No\" noresize marginwidth=\"0\" marginheight=\"0\">",
            "<frame src=\"bottom.htm\" name=\"bottomframe\" scrolling=\"Yes\" noresize>",
            "</frameset>", "</html>"});

        d = FramesetDescription();
        d.layout = 3;
        d.outerSize = QStringLiteral("100");
        d.innerSize = QStringLiteral("20%");
        d.innerBorder = true;
        d.frames[0] = frame("topframe", "/web/top.htm", "No");
        d.frames[1] = frame("leftframe", "/web/left.htm", "Auto");
        d.frames[1].horizontalMargin = true;
        d.frames[2] = frame("rightframe", "/web/right.htm", "Auto");
        d.frames[2].verticalMargin = true;
        d.frames[2].existingFile = true;
        QTest::newRow("row above columns, inner border, existing file") << d << lines({
            "<html>", "<head>", "<title></title>", "</head>",
            "<frameset rows=\"100,*\" border=\"0\" frameborder=\"0\">",
            "<frame src=\"top.htm\" name=\"topframe\" scrolling=\"No\" marginwidth=\"0\" marginheight=\"0\">",
            "<frameset cols=\"20%,*\" border=\"1\" frameborder=\"1\">",
            "<frame src=\"left.htm\" name=\"leftframe\" scrolling=\"Auto\" marginheight=\"0\">",
            "<frame src=\"right.htm\" name=\"rightframe\" scrolling=\"Auto\" marginwidth=\"0\">",
            "</frameset>", "</frameset>", "</html>"});

        d.layout = 4;
        d.outerSize = QString();
        d.innerSize = QStringLiteral("35%");
        d.outerBorder = true;
        d.innerBorder = false;
        QTest::newRow("column beside rows, empty pixel box") << d << lines({
            "<html>", "<head>", "<title></title>", "</head>",
            "<frameset cols=\",*\" border=\"1\" frameborder=\"1\">",
            "<frame src=\"top.htm\" name=\"topframe\" scrolling=\"No\" marginwidth=\"0\" marginheight=\"0\">",
            "<frameset rows=\"35%,*\" border=\"0\" frameborder=\"0\">",
            "<frame src=\"left.htm\" name=\"leftframe\" scrolling=\"Auto\" marginheight=\"0\">",
            "<frame src=\"right.htm\" name=\"rightframe\" scrolling=\"Auto\" marginwidth=\"0\">",
            "</frameset>", "</frameset>", "</html>"});
    }

    void framesetPage()
    {
        QFETCH(FramesetDescription, description);
        QFETCH(QString, expected);
        QCOMPARE(frameDocumentText(description, PageCode::Frameset).value_or(QStringLiteral("<none>")),
                 expected);
    }

    void framePage()
    {
        FramesetDescription d;
        d.layout = 3;
        const QString expected = lines({"<html>", "<head>", "<title></title>", "</head>", "<body text=\"#\">",
                                        "", "</body>", "</html>"});
        for (const QString &code : {PageCode::Frame1, PageCode::Frame2, PageCode::Frame3})
            QCOMPARE(frameDocumentText(d, code).value_or(QString()), expected);
        QCOMPARE(expected.indexOf(QLatin1String("<title>")) + 7, FrameDocumentCaret);
    }

    void codesALayoutDoesNotKnow_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("code");
        QTest::newRow("third frame of two columns") << 1 << PageCode::Frame3;
        QTest::newRow("third frame of two rows") << 2 << PageCode::Frame3;
        QTest::newRow("unknown code") << 3 << QStringLiteral("xx");
        QTest::newRow("no layout chosen") << 0 << PageCode::Frameset;
    }

    void codesALayoutDoesNotKnow()
    {
        QFETCH(int, layout);
        QFETCH(QString, code);
        FramesetDescription d;
        d.layout = layout;
        QVERIFY(!frameDocumentText(d, code).has_value());
    }

    void documentsSkipExistingFiles()
    {
        FramesetDescription d;
        d.layout = 4;
        d.framesetPath = QStringLiteral("/w/index.htm");
        d.frames[0].path = QStringLiteral("/w/a.htm");
        d.frames[1].path = QStringLiteral("/w/b.htm");
        d.frames[1].existingFile = true;
        d.frames[2].path = QStringLiteral("/w/c.htm");
        const QList<FrameDocument> documents = frameDocuments(d);
        QStringList seen;
        for (const FrameDocument &document : documents)
            seen << document.code + QLatin1Char(' ') + document.path;
        QCOMPARE(seen, QStringList({"fr /w/index.htm", "lf /w/a.htm", "3f /w/c.htm"}));

        d.layout = 2; // a third frame left over from elsewhere is not part of it
        QCOMPARE(frameDocuments(d).size(), 2);
        QCOMPARE(frameDocumentPath(d, PageCode::Frame3), QStringLiteral("/w/c.htm"));
    }

    void pageNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("a.htm") << "a.htm" << true;
        QTest::newRow("a.html") << "a.html" << true;
        QTest::newRow("bare .htm") << ".htm" << false;
        QTest::newRow("bare .html") << ".html" << false;
        QTest::newRow("upper case") << "a.HTM" << false;
        QTest::newRow(".htmx") << "a.htmx" << false;
        QTest::newRow("trailing blank") << "a.htm " << false;
        QTest::newRow("empty") << "" << false;
    }

    void pageNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(PageNames::isPageName(name), valid);
    }

    void namesMustDiffer()
    {
        QVERIFY(PageNames::acceptable({"a.htm", "b.htm", "index.html"}));
        QVERIFY(!PageNames::acceptable({"a.htm", "b.htm", "a.htm"}));
        QVERIFY(PageNames::acceptable({"A.htm", "a.htm"}));
        QVERIFY(!PageNames::acceptable({"a.htm", ".htm"}));
    }

    void namesStayInTheDirectory_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("plain") << "index.htm" << true;
        QTest::newRow("sub directory") << "sub/index.htm" << false;
        QTest::newRow("absolute") << "/etc/x.htm" << false;
        QTest::newRow("parent") << "..htm" << false;
    }

    void namesStayInTheDirectory()
    {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(PageNames::isPlainFileName(name), plain);
    }

    void paths_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("path");
        QTest::newRow("directory") << "/srv/web" << "/srv/web/index.htm";
        QTest::newRow("with separator") << "/srv/web/" << "/srv/web/index.htm";
        QTest::newRow("root") << "/" << "/index.htm";
        QTest::newRow("home") << "~" << "/home/u/index.htm";
        QTest::newRow("under home") << "~/web" << "/home/u/web/index.htm";
        QTest::newRow("relative") << "web" << "/home/u/web/index.htm";
    }

    void paths()
    {
        QFETCH(QString, typed);
        QFETCH(QString, path);
        const QString directory = PageNames::absoluteDirectory(typed, QStringLiteral("/home/u"));
        QCOMPARE(PageNames::joinPath(directory, QStringLiteral("index.htm")), path);
    }

    void previewPanes_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("inner");
        QTest::addColumn<QList<QRect>>("panes");
        QTest::newRow("columns 50") << 1 << 50 << 0
                                    << QList<QRect>{{0, 0, 80, 120}, {80, 0, 80, 120}};
        QTest::newRow("columns 33 rounds 52.8 up") << 1 << 33 << 0
                                                   << QList<QRect>{{0, 0, 53, 120}, {53, 0, 107, 120}};
        QTest::newRow("rows 33 rounds 39.6 up") << 2 << 33 << 0
                                                << QList<QRect>{{0, 0, 160, 40}, {0, 40, 160, 80}};
        QTest::newRow("rows 0") << 2 << 0 << 0 << QList<QRect>{{0, 0, 160, 0}, {0, 0, 160, 120}};
        QTest::newRow("row above columns") << 3 << 20 << 7
                                           << QList<QRect>{{0, 0, 160, 24}, {0, 24, 11, 96}, {11, 24, 149, 96}};
        QTest::newRow("column beside rows") << 4 << 100 << 99
                                            << QList<QRect>{{0, 0, 160, 120}, {160, 0, 0, 119}, {160, 119, 0, 1}};
    }

    void previewPanes()
    {
        QFETCH(int, layout);
        QFETCH(int, outer);
        QFETCH(int, inner);
        QFETCH(QList<QRect>, panes);
        QCOMPARE(PreviewGeometry::panes(layout, outer, inner), panes);
    }
};

QTEST_GUILESS_MAIN(TestFramesetPage)
#include "tst_framesetpage.moc"
