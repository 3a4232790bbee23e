#include "ftp/threadtimer.h"

#include <QtDebug>

#include <exception>

TThreadTimer::TThreadTimer(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &TThreadTimer::tick);
}

void TThreadTimer::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    restart();
}

void TThreadTimer::SetInterval(uint milliseconds)
{
    m_interval = milliseconds;
    restart();
}

void TThreadTimer::SetOnTimer(std::function<void()> handler)
{
    m_onTimer = std::move(handler);
    restart();
}

void TThreadTimer::restart()
{
    m_timer.stop();
    if (m_enabled && m_interval != 0 && m_onTimer)
        m_timer.start(int(qMin<uint>(m_interval, INT_MAX)));
}

void TThreadTimer::tick()
{
    // An exception must not unwind through the event loop.
    try {
        m_onTimer();
    } catch (const std::exception &error) {
        qWarning("Timer handler failed: %s", error.what());
    }
}
