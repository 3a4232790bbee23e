#include "editor/document.h"
#include "testfiles.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

} // namespace

// A save is all or nothing: killed half-way or out of disk space, the file
// on disk is the old text or the new one, never a mixture.
class TestSaveSurvive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedWhileSaving()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        const QByteArray a(4 * 1024 * 1024, 'a');
        const QByteArray b(4 * 1024 * 1024, 'b');
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(a);
        }
        for (int round = 0; round < 25; ++round) {
            QProcess child;
            child.start(QStringLiteral(SAVECHILD_PATH), {path});
            QVERIFY(child.waitForStarted(5000));
            // Kill it just after it announced its n-th save, mostly in the middle of writing.
            const int saves = 1 + int(QRandomGenerator::global()->bounded(4));
            int announced = 0;
            while (announced < saves) {
                QVERIFY(child.waitForReadyRead(10000));
                announced += int(child.readAllStandardOutput().count('\n'));
            }
            child.kill();
            QVERIFY(child.waitForFinished(5000));
            const QByteArray onDisk = readTestFile(path);
            QVERIFY2(onDisk == a || onDisk == b,
                     qPrintable(QStringLiteral("round %1: %2 bytes of a mixture").arg(round).arg(onDisk.size())));
        }
    }

    void fullDiskKeepsTheOldFileAndTheDocument()
    {
        QTemporaryDir dir;
        const QString mountPoint = dir.path();
        if (!run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=1m", "tmpfs", mountPoint}))
            QSKIP("cannot mount a 1 MB tmpfs here (it needs root): the full-disk case is not checked");
        struct Unmount
        {
            QString point;
            ~Unmount() { run(QStringLiteral("umount"), {point}); }
        } unmount{mountPoint};

        const QString path = mountPoint + QStringLiteral("/page.htm");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<p>old</p>\r\n");
        }
        Document document;
        QVERIFY(document.load(path).ok());
        document.text().SetText(QString(2 * 1024 * 1024, QLatin1Char('x')));
        const Document::FileResult written = document.save();
        QCOMPARE(written.error, TextFile::Error::WriteFailed);
        QCOMPARE(readTestFile(path), QByteArray("<p>old</p>\r\n"));
        QVERIFY(document.isModified());
        QCOMPARE(document.text().TextLength(), 2 * 1024 * 1024);
    }
};

// The file watch inside a document listens to the application's state: a
// QGuiApplication, no widgets.
QTEST_MAIN(TestSaveSurvive)
#include "tst_savesurvive.moc"
