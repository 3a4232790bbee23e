#include "project/projectfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestProjectFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("snippets");
        QTest::newRow("files and a snippet")
            << QStringList{"[Files]", "/w/a.htm", "/w/b.htm", "[Snippet]", "<hr>"} << true
            << QStringList{"/w/a.htm", "/w/b.htm"} << QStringList{"<hr>\r\n"};
        QTest::newRow("three-line snippet") << QStringList{"[Files]", "[Snippet]", "a", "b", "c"} << true
                                            << QStringList() << QStringList{"a\r\nb\r\nc\r\n"};
        QTest::newRow("two snippet lines in a row") << QStringList{"[Files]", "x", "[Snippet]", "[Snippet]", "y"}
                                                    << true << QStringList{"x"} << QStringList{"", "y\r\n"};
        QTest::newRow("empty line is an entry") << QStringList{"[Files]", ""} << true << QStringList{""}
                                                << QStringList();
        // A project saved empty is read back, not refused.
        QTest::newRow("only the section") << QStringList{"[Files]"} << true << QStringList() << QStringList();
        QTest::newRow("lower-case section") << QStringList{"[files]", "a"} << false << QStringList()
                                            << QStringList();
        QTest::newRow("no lines") << QStringList() << false << QStringList() << QStringList();
        QTest::newRow("blank before section") << QStringList{" [Files]", "a"} << false << QStringList()
                                              << QStringList();
    }
    void parse()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, valid);
        QFETCH(QStringList, files);
        QFETCH(QStringList, snippets);
        const std::optional<ProjectData> project = ProjectFile::parse(lines);
        QCOMPARE(project.has_value(), valid);
        if (!valid)
            return;
        QCOMPARE(project->files, files);
        QCOMPARE(project->snippets, snippets);
        // Written again, it gives the lines it came from.
        QCOMPARE(ProjectFile::lines(*project), lines);
    }

    void fileRoundTripAndRefusals()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("site.mvp");
        const ProjectData project{{"/w/index.htm"}, {"<b>bold</b>\r\n", "one\r\ntwo\r\nthree\r\n"}};
        QCOMPARE(ProjectFile::write(path, project), TextFile::Error::None);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 QByteArray("[Files]\r\n/w/index.htm\r\n[Snippet]\r\n<b>bold</b>\r\n[Snippet]\r\none\r\ntwo\r\nthree\r\n"));
        file.close();
        const std::optional<ProjectData> again = ProjectFile::read(path);
        QVERIFY(again);
        QCOMPARE(again->files, project.files);
        QCOMPARE(again->snippets, project.snippets);

        const QString binary = dir.filePath("binary.mvp");
        QFile b(binary);
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.write(QByteArray("[Files]\r\n\0\1\2", 12));
        b.close();
        QVERIFY(!ProjectFile::read(binary));
        QVERIFY(!ProjectFile::read(dir.filePath("missing.mvp")));
        QCOMPARE(ProjectFile::write(dir.filePath("site.mvp/below.mvp"), project), TextFile::Error::WriteFailed);
    }

    void hundredThousandEntries()
    {
        QStringList lines{"[Files]"};
        for (int i = 0; i < 100000; ++i)
            lines << QStringLiteral("/w/page%1.htm").arg(i);
        const std::optional<ProjectData> project = ProjectFile::parse(lines);
        QVERIFY(project);
        QCOMPARE(project->files.size(), 100000);
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "tst_projectfile.moc"
