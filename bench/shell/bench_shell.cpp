// Start-up, and opening and saving a large page, timed through the real windows.
#include "benchreport.h"
#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "shell/mainform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// A page of about 10 MB in 200 000 lines of ordinary markup.
QString writeLargePage(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    const QByteArray row = "<tr><td class=\"c\">Cell text of a row</td><td><a href=\"x.htm\">link</a></td></tr>\r\n";
    file.write("<HTML>\r\n<BODY>\r\n<TABLE>\r\n");
    for (int i = 0; i < 200000 - 6; ++i)
        file.write(row.left(qMin<qsizetype>(row.size() - 2, 50 + i % 2)) + "\r\n");
    file.write("</TABLE>\r\n</BODY>\r\n</HTML>\r\n");
    return path;
}

void waitUntilIdle()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QTemporaryDir dir;
    bench::useTemporaryConfig(dir.path());

    QApplication app(argc, argv);
    Tmainform mainform;
    mainform.FormCreate();
    mainform.resize(1280, 800);
    mainform.show();
    waitUntilIdle();
    bench::report(QStringLiteral("start-up to idle main window"), sinceStart.nsecsElapsed() / 1e6,
                  QStringLiteral("ms"), 500);

    bench::report(QStringLiteral("resident memory, idle"), bench::residentMegabytes(), QStringLiteral("MB"));
    const QString page = writeLargePage(dir.filePath(QStringLiteral("large.htm")));
    QElapsedTimer timer;
    timer.start();
    Teditform *editor = mainform.openDocument(page);
    waitUntilIdle();
    editor->memo()->viewport()->repaint();
    bench::report(QStringLiteral("open 10 MB page until shown"), timer.nsecsElapsed() / 1e6,
                  QStringLiteral("ms"), 1000);
    bench::report(QStringLiteral("resident memory with 10 MB page"), bench::residentMegabytes(),
                  QStringLiteral("MB"), 150);

    const double save = bench::medianMs(5, [&] { editor->writeDocument(); });
    bench::report(QStringLiteral("save 10 MB page"), save, QStringLiteral("ms"), 300);

    editor->closeWithoutQuery();
    return 0;
}
