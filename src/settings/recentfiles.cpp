#include "settings/recentfiles.h"

#include "platform/configstore.h"
#include "settings/regops.h"

namespace RecentFiles {

namespace {

QString valueName(int n)
{
    return QStringLiteral("Recent%1").arg(n + 1);
}

} // namespace

QStringList load()
{
    QStringList files;
    ConfigKey key;
    if (!key.open(QLatin1String(ConfigKeyPath), ConfigKey::Mode::OpenExisting))
        return files;
    for (int n = 0; n < Count; ++n) {
        const QString path = key.readString(valueName(n));
        if (!path.isEmpty() && !files.contains(path))
            files << path;
    }
    return files;
}

void save(const QStringList &files)
{
    ConfigKey key;
    if (!key.open(QLatin1String(ConfigKeyPath), ConfigKey::Mode::CreateIfMissing))
        return;
    for (int n = 0; n < Count; ++n)
        key.writeString(valueName(n), files.value(n));
}

QStringList add(QStringList files, const QString &path)
{
    files.removeAll(path);
    files.prepend(path);
    return files.mid(0, Count);
}

} // namespace RecentFiles
