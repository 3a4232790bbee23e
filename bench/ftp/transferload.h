#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTimer>

// What the transfer benchmarks share: the file they move and how they watch the event loop.
namespace transferload {

constexpr qint64 FileSize = 256LL * 1024 * 1024;

// Writes FileSize bytes of a pattern that no compression along the way could shorten.
bool writeSourceFile(const QString &path);

double megabytesPerSecond(double seconds);

// The middle value; the runs of a shared machine scatter too much for a mean.
double median(QList<double> values);

// The longest gap between ticks of a 10 ms timer while it runs.
class TickWatch
{
public:
    TickWatch();
    double longestGapMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longest = 0;
};

} // namespace transferload
