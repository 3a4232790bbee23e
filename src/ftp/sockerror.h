#pragma once

#include <QString>

#include <stdexcept>

// A failure of the socket layer; the message is shown to the user as it stands.
class ESockError : public std::runtime_error
{
public:
    explicit ESockError(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }

    QString message() const { return QString::fromStdString(what()); }
};

// An operation ended because it was cancelled.
class EAbortError : public ESockError
{
public:
    using ESockError::ESockError;
};
