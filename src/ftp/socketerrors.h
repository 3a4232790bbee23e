#pragma once

#include <QAbstractSocket>
#include <QString>

// Socket failures are shown with numeric codes and fixed texts, whatever the platform reports.
namespace SocketErrors {

// "10061:Connection refused"; a code without a text gives "Unknown Error No. 12345".
QString text(int code);

// The numeric code of a Qt socket error; 0 when none fits.
int code(QAbstractSocket::SocketError error);

} // namespace SocketErrors
