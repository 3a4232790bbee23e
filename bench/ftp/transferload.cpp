#include "transferload.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>

namespace transferload {

bool writeSourceFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    for (qint64 written = 0; written < FileSize; written += block.size()) {
        for (int i = 0; i < block.size(); ++i)
            block[i] = char((written / block.size()) * 31 + i * 7);
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

double megabytesPerSecond(double seconds)
{
    return double(FileSize) / (1024.0 * 1024.0) / seconds;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

TickWatch::TickWatch()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        m_longest = qMax(m_longest, double(m_clock.nsecsElapsed()) / 1e6);
        m_clock.restart();
    });
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.start(10);
    m_clock.start();
}

} // namespace transferload
