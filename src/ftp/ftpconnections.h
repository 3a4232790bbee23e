#pragma once

#include "ftp/ftptransferoptions.h"

#include <QString>

// The stored FTP connections live in the settings record (settings().Ftp, AntCon); these are
// the operations on them that belong to FTP publishing.
namespace FtpConnections {

constexpr int DefaultPort = 21;

// Host, user name and password of the connection chosen in the chooser.
struct PendingConnection
{
    QString host;
    QString user;
    QString password;
    FtpTransferOptions options;
};

// The number of slots in use, kept within 0..10 whatever the store held.
int count();
// Writes slot n and the count to the configuration store; nothing when it cannot be opened.
void saveSlot(int slot);
// The slot last chosen in this run of the program; -1 before any.
int lastUsed();
void setLastUsed(int slot);

// A host may carry its port as "name:port"; without one the protocol's own port is used.
struct Endpoint
{
    QString host;
    int port = DefaultPort;
};
Endpoint endpointOf(const QString &hostText, int defaultPort = DefaultPort);

} // namespace FtpConnections
