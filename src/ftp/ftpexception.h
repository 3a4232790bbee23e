#pragma once

#include <QString>

#include <stdexcept>

// A negative reply of the FTP server; the message is the reply's first line.
class FTPException : public std::runtime_error
{
public:
    explicit FTPException(const QString &reply)
        : std::runtime_error(reply.toStdString())
    {
    }

    QString message() const { return QString::fromStdString(what()); }
};
