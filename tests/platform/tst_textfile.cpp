#include "platform/textfile.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QString() << QStringList();
        QTest::newRow("no break") << "abc" << QStringList{"abc"};
        QTest::newRow("final crlf adds nothing") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("lone cr and lf") << "a\rb\nc" << QStringList{"a", "b", "c"};
        QTest::newRow("lf cr is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
        QTest::newRow("empty lines kept") << "\r\n\r\nx" << QStringList{"", "", "x"};
        QTest::newRow("only a break") << "\n" << QStringList{""};
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(TextFile::splitLines(text), lines);
    }

    // A document holds one '\n' per line break, whatever the file had.
    void readDocumentBreaks_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << "a\nb\n";
        QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd") << "a\nb\nc\nd\n";
        QTest::newRow("cr before crlf") << QByteArray("\r\r\nx") << "\n\nx\n";
        QTest::newRow("final lone cr") << QByteArray("x\r") << "x\n";
    }
    void readDocumentBreaks()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        writeTestFile(path, bytes);
        QCOMPARE(TextFile::readDocument(path).text, text);
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("bom");
        const int utf8 = int(TextEncoding::Kind::Utf8);
        const int cp1252 = int(TextEncoding::Kind::Windows1252);
        const int declared = int(TextEncoding::Kind::Declared);
        QTest::newRow("ascii") << QByteArray("<p>") << "<p>" << utf8 << false;
        QTest::newRow("utf-8") << QByteArray("bl\xc3\xa5") << QString::fromUtf8("blå") << utf8 << false;
        QTest::newRow("utf-8 bom") << QByteArray("\xef\xbb\xbfx") << "x" << utf8 << true;
        QTest::newRow("two byte-order marks") << QByteArray("\xef\xbb\xbf\xef\xbb\xbfx")
                                              << QString(QChar(0xFEFF)) + "x" << utf8 << true;
        QTest::newRow("mark inside the text") << QByteArray("a\xef\xbb\xbf") << QString::fromUtf8("a\ufeff")
                                              << utf8 << false;
        QTest::newRow("cp1252 accents") << QByteArray("bl\xe5 \x80 \x93\x94 \x81")
                                        << QString::fromUtf8("blå € “” \u0081") << cp1252 << false;
        // Pages labelled Latin-1 by Windows editors hold Windows-1252 bytes.
        for (const char *label : {"iso-8859-1", "latin1", "windows-1252", "cp1252"}) {
            const QByteArray head = QByteArray("<meta charset=\"") + label + "\">";
            QTest::addRow("declared %s", label) << head + "\x93\x80 5\x94 \x85 \xe6"
                                                << QString::fromLatin1(head) + QString::fromUtf8("“€ 5” … æ")
                                                << cp1252 << false;
        }
        QTest::newRow("declared latin2")
            << QByteArray("<meta charset=\"iso-8859-2\">\xb1") << QString::fromUtf8("<meta charset=\"iso-8859-2\">ą")
            << declared << false;
        QTest::newRow("declared utf-8 but invalid") << QByteArray("<meta charset=utf-8>\xe5")
                                                    << QString::fromUtf8("<meta charset=utf-8>å")
                                                    << cp1252 << false;
        // UTF-16 read and written by iconv would not give these bytes back.
        QTest::newRow("declared utf-16 on 8-bit bytes") << QByteArray("charset=\"utf16\" \xb1\x96\r5\n")
                                                        << QString::fromUtf8("charset=\"utf16\" ±–\r5\n") << cp1252
                                                        << false;
        QTest::newRow("unknown charset") << QByteArray("charset=no-such-set \xe6")
                                         << QString::fromUtf8("charset=no-such-set æ") << cp1252
                                         << false;
    }
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(bool, bom);
        TextEncoding encoding;
        QCOMPARE(TextFile::decode(bytes, &encoding), text);
        QCOMPARE(int(encoding.kind), kind);
        QCOMPARE(encoding.byteOrderMark, bom);
        // Whatever was read is written back byte for byte.
        QByteArray again;
        QVERIFY(TextFile::encode(text, encoding, &again));
        QCOMPARE(again, bytes);
    }

    void everyCp1252ByteRoundTrips()
    {
        QByteArray all;
        for (int b = 1; b < 256; ++b)
            all.append(char(b));
        all.append("\xc3"); // never valid UTF-8 at the end
        TextEncoding encoding;
        const QString text = TextFile::decode(all, &encoding);
        QCOMPARE(encoding.kind, TextEncoding::Kind::Windows1252);
        QByteArray again;
        QVERIFY(TextFile::encode(text, encoding, &again));
        QCOMPARE(again, all);
    }

    void unencodableCharacterIsReported()
    {
        TextEncoding cp1252;
        cp1252.kind = TextEncoding::Kind::Windows1252;
        QByteArray out;
        QVERIFY(!TextFile::encode(QString::fromUtf8("a\u4e2db"), cp1252, &out));
        QCOMPARE(out, QByteArray("a?b"));
    }

    void readRefusesWhatIsNoText()
    {
        QTemporaryDir dir;
        const QString binary = dir.filePath("bin");
        writeTestFile(binary, QByteArray("GIF89a\0\0\1", 9));
        QCOMPARE(TextFile::read(binary).error, TextFile::Error::Binary);
        QCOMPARE(TextFile::read(dir.filePath("missing")).error, TextFile::Error::NotFound);
        QCOMPARE(TextFile::read(dir.path()).error, TextFile::Error::IsDirectory);
        const QString big = dir.filePath("big");
        writeTestFile(big, QByteArray(2000, 'x'));
        QCOMPARE(TextFile::read(big, 1000).error, TextFile::Error::TooLarge);
        QVERIFY(TextFile::read(big, 2000).ok());
    }

    void writeEndsEveryLineWithCrLfInTheReadEncoding()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("page.htm");
        writeTestFile(path, QByteArray("caf\xe9\nna\xefve\r"));
        const TextFile::ReadResult read = TextFile::read(path);
        QVERIFY(read.ok());
        QCOMPARE(read.lines, (QStringList{QString::fromUtf8("café"), QString::fromUtf8("naïve")}));
        QCOMPARE(TextFile::write(path, read.lines + QStringList{""}, read.encoding),
                 TextFile::Error::None);
        QCOMPARE(readTestFile(path), QByteArray("caf\xe9\r\nna\xefve\r\n\r\n"));
    }

    void writeIntoAFileAsFolderFails()
    {
        QTemporaryDir dir;
        writeTestFile(dir.filePath("plain"), "x");
        QCOMPARE(TextFile::write(dir.filePath("plain/page.htm"), {"a"}, TextEncoding()),
                 TextFile::Error::WriteFailed);
        QCOMPARE(readTestFile(dir.filePath("plain")), QByteArray("x"));
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("keep.htm");
        writeTestFile(path, "old contents");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QString detail;
        const TextFile::Error error = TextFile::write(path, {"new"}, TextEncoding(), &detail);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (error == TextFile::Error::None)
            QSKIP("running as a user who can write into read-only folders");
        QCOMPARE(error, TextFile::Error::WriteFailed);
        QVERIFY(!detail.isEmpty());
        QCOMPARE(readTestFile(path), QByteArray("old contents"));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
