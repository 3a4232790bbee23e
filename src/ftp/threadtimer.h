#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// A timer that runs while it is enabled, has an interval and has a handler; changing any of
// the three restarts it.
class TThreadTimer : public QObject
{
    Q_OBJECT

public:
    explicit TThreadTimer(QObject *parent = nullptr);

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    uint Interval() const { return m_interval; }
    void SetInterval(uint milliseconds);
    void SetOnTimer(std::function<void()> handler);

private:
    void restart();
    void tick();

    QTimer m_timer;
    bool m_enabled = true;
    uint m_interval = 1000;
    std::function<void()> m_onTimer;
};
