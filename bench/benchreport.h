#pragma once

#include <QElapsedTimer>
#include <QString>

class QWidget;

#include <algorithm>
#include <vector>

// Benchmarks print one line per figure; bench/run gathers them into a table.
namespace bench {

// Prints "BENCH<TAB>name<TAB>value<TAB>unit<TAB>target<TAB>comparison".
// A target of 0 means none; the comparison is free text such as a ratio.
void report(const QString &name, double value, const QString &unit, double target = 0,
            const QString &comparison = QString());

// Median wall time of `runs` calls, in milliseconds.
template<typename F>
double medianMs(int runs, F &&work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Points the program's settings at a fresh file in dir, past its first start
// and in English, so no question interrupts a benchmark.
void useTemporaryConfig(const QString &dir);

// Resident memory of this process, in megabytes.
double residentMegabytes();

// Shows a window and waits, at most five seconds, until the window system
// has put it on the screen: before that a repaint draws nothing.
void showOnScreen(QWidget *widget);

} // namespace bench
