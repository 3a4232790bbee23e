#include "platform/freedmemory.h"

#include <QCoreApplication>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

void releaseFreedMemorySoon()
{
#ifdef __GLIBC__
    static QTimer *timer = [] {
        auto *idle = new QTimer(QCoreApplication::instance());
        idle->setSingleShot(true);
        idle->setInterval(1000);
        QObject::connect(idle, &QTimer::timeout, [] { malloc_trim(0); });
        return idle;
    }();
    timer->start();
#endif
}
