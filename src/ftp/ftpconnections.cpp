#include "ftp/ftpconnections.h"

#include "platform/configstore.h"
#include "settings/regops.h"
#include "settings/settings.h"

#include <algorithm>

namespace FtpConnections {

namespace {

int lastChosen = -1;

} // namespace

int lastUsed()
{
    return lastChosen;
}

void setLastUsed(int slot)
{
    lastChosen = slot;
}

int count()
{
    return std::clamp(settings().AntCon, 0, FtpSlotCount);
}

void saveSlot(int slot)
{
    if (slot < 0 || slot >= FtpSlotCount)
        return;
    ConfigKey key;
    if (!key.open(QLatin1String(ConfigKeyPath), ConfigKey::Mode::CreateIfMissing))
        return;
    const FtpSlot &ftp = settings().Ftp[size_t(slot)];
    const QString n = QString::number(slot);
    key.writeString(QStringLiteral("FTPHost") + n, ftp.FTPHost);
    key.writeString(QStringLiteral("FTPName") + n, ftp.FTPName);
    key.writeString(QStringLiteral("FTPPass") + n, ftp.FTPPass);
    key.writeString(QStringLiteral("FTPNick") + n, ftp.FTPNick);
    key.writeInteger(QStringLiteral("AntCon"), settings().AntCon);
}

Endpoint endpointOf(const QString &hostText, int defaultPort)
{
    Endpoint endpoint;
    endpoint.host = hostText.trimmed();
    endpoint.port = defaultPort;
    const qsizetype colon = endpoint.host.indexOf(QLatin1Char(':'));
    if (colon < 0 || colon != endpoint.host.lastIndexOf(QLatin1Char(':')))
        return endpoint;
    bool ok = false;
    const int port = endpoint.host.mid(colon + 1).toInt(&ok);
    if (ok && port > 0 && port <= 65535) {
        endpoint.port = port;
        endpoint.host.truncate(colon);
    }
    return endpoint;
}

} // namespace FtpConnections
