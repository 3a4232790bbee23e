#include "benchreport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QWidget>
#include <QWindow>
#include <QTextStream>

#include <cstdio>

namespace bench {

void report(const QString &name, double value, const QString &unit, double target,
            const QString &comparison)
{
    const QString line = QStringLiteral("BENCH\t%1\t%2\t%3\t%4\t%5\n")
                             .arg(name)
                             .arg(value, 0, 'f', 3)
                             .arg(unit)
                             .arg(target > 0 ? QString::number(target) : QStringLiteral("-"))
                             .arg(comparison.isEmpty() ? QStringLiteral("-") : comparison);
    std::fputs(line.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

void useTemporaryConfig(const QString &dir)
{
    const QString path = dir + QStringLiteral("/bench.conf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("[Config]\nLang=1\nTagsInstalled=1\n") < 0)
        qFatal("cannot write %s", qPrintable(path));
    qputenv("MARKVALE_CONFIG", path.toLocal8Bit());
}

double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    QTextStream in(&status);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        if (line.startsWith(QLatin1String("VmRSS:")))
            return line.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty)
                       .section(QLatin1Char(' '), 0, 0)
                       .toDouble()
                   / 1024.0;
    }
    return 0;
}

void showOnScreen(QWidget *widget)
{
    widget->show();
    const QDeadlineTimer deadline(5000);
    while (!widget->windowHandle()->isExposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace bench
