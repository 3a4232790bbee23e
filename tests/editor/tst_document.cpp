#include "editor/document.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A document writes a file back in the encoding it was read in; what that
// encoding cannot hold is never written as a guess.
class TestDocument : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

private Q_SLOTS:
    void savingKeepsTheEncodingItCan_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QString>("typed"); // at the start of the text
        QTest::addColumn<bool>("saveAs");   // to a new file, else over the original
        QTest::addColumn<TextFile::Error>("error");
        QTest::addColumn<QByteArray>("written"); // the target's bytes afterwards
        const QString han = QString::fromUtf8("\xE4\xB8\xAD");
        QTest::newRow("windows-1252 kept") << QByteArray("caf\xE9\r\n") << QStringLiteral("\u20AC") << false
                                           << TextFile::Error::None << QByteArray("\x80" "caf\xE9\r\n");
        QTest::newRow("byte order mark kept") << QByteArray("\xEF\xBB\xBFx\n") << QStringLiteral("y") << false
                                              << TextFile::Error::None << QByteArray("\xEF\xBB\xBFyx\r\n");
        QTest::newRow("declared charset kept")
            << QByteArray("<meta charset=\"iso-8859-2\">\n\xB1\r") << QStringLiteral("\u0105") << false
            << TextFile::Error::None << QByteArray("\xB1<meta charset=\"iso-8859-2\">\r\n\xB1\r\n");
        QTest::newRow("unencodable refused") << QByteArray("caf\xE9\r\n") << han << false
                                             << TextFile::Error::Unencodable << QByteArray("caf\xE9\r\n");
        QTest::newRow("unencodable saved as UTF-8")
            << QByteArray("caf\xE9\r\n") << han << true << TextFile::Error::None
            << QByteArray("\xE4\xB8\xAD" "caf\xC3\xA9\r\n");
    }

    void savingKeepsTheEncodingItCan()
    {
        QFETCH(QByteArray, original);
        QFETCH(QString, typed);
        QFETCH(bool, saveAs);
        QFETCH(TextFile::Error, error);
        QFETCH(QByteArray, written);
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        const QString target = saveAs ? dir.filePath(QStringLiteral("copy.htm")) : path;
        writeTestFile(path, original);
        Document document;
        QVERIFY(document.load(path).ok());
        document.text().SetSelText(typed);
        const Document::FileResult result = saveAs ? document.saveAs(target) : document.save();
        QCOMPARE(result.error, error);
        QCOMPARE(readTestFile(target), written);
        QCOMPARE(document.isModified(), !result.ok());
        QCOMPARE(document.fileName(), result.ok() ? target : path);
    }

    void failedSaveAsKeepsFileKindAndEncoding()
    {
        const QString path = dir.filePath(QStringLiteral("keep.htm"));
        writeTestFile(path, "caf\xE9\r\n");
        Document document;
        QVERIFY(document.load(path).ok());
        document.text().SetSelText(QString::fromUtf8("\xE4\xB8\xAD"));
        QCOMPARE(document.saveAs(path + QStringLiteral("/inside.htm")).error, TextFile::Error::WriteFailed);
        QCOMPARE(document.fileName(), path);
        QCOMPARE(document.kind(), Document::Kind::Named);
        // Still Windows-1252, which cannot hold the new character.
        QCOMPARE(document.save().error, TextFile::Error::Unencodable);
        QCOMPARE(readTestFile(path), QByteArray("caf\xE9\r\n"));
    }

    void unnamedDocumentWritesNoPlaceholderFile()
    {
        const QString placeholder = dir.filePath(QStringLiteral("Ohne Name"));
        Document document;
        document.setPlaceholder(Document::Kind::Untitled, placeholder);
        document.text().SetSelText(QStringLiteral("text"));
        QCOMPARE(document.save().error, TextFile::Error::WriteFailed);
        QVERIFY(!QFile::exists(placeholder));
        QVERIFY(document.isModified());
    }
};

// The file watch inside a document listens to the application's state: a
// QGuiApplication, no widgets.
QTEST_MAIN(TestDocument)
#include "tst_document.moc"
