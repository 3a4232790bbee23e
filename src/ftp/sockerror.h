#pragma once

#include <QString>

#include <stdexcept>

// A failure of the socket layer. The message is the technical text; the reason lets a window
// tell the user in plain words what happened.
class ESockError : public std::runtime_error
{
public:
    enum class Reason {
        Failed,
        Closed,    // the peer closed the connection
        TimedOut,  // nothing arrived or left for the connection's time-out
        Cancelled, // the caller cancelled
    };

    explicit ESockError(const QString &message, Reason reason = Reason::Failed)
        : std::runtime_error(message.toStdString())
        , m_reason(reason)
    {
    }

    QString message() const { return QString::fromStdString(what()); }
    Reason reason() const { return m_reason; }

private:
    Reason m_reason;
};

// An operation ended because it was cancelled.
class EAbortError : public ESockError
{
public:
    explicit EAbortError(const QString &message)
        : ESockError(message, Reason::Cancelled)
    {
    }
};
