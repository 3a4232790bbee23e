#include "ftp/downloadfile.h"

#include <QDir>
#include <QFileInfo>
#include <QThreadPool>

#include <cerrno>
#include <cstdio>
#include <cstring>

DownloadFile::DownloadFile(const QString &path)
    : m_path(path)
{
    const QFileInfo target(path);
    m_part.setFileTemplate(target.dir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(target.fileName())));
}

bool DownloadFile::open()
{
    return m_part.open();
}

bool DownloadFile::commit()
{
    if (!m_part.flush())
        return false;
    const QFileInfo target(m_path);
    const QFile::Permissions permissions = target.exists()
        ? target.permissions()
        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup
            | QFile::ReadOther;
    m_part.setPermissions(permissions);

    // Renaming over an existing file makes the file system write the new one out first, and
    // freeing a large old file takes a while too: both would hold up the event loop. So the
    // old file is set aside and removed by a worker.
    const QString aside = m_part.fileName() + QStringLiteral(".old");
    const bool setAside = target.exists() && !QFileInfo::exists(aside) && renameFile(m_path, aside);
    if (!renameFile(m_part.fileName(), m_path)) {
        if (setAside)
            renameFile(aside, m_path);
        return false;
    }
    m_part.setAutoRemove(false);
    m_part.close();
    if (setAside)
        QThreadPool::globalInstance()->start([aside] { QFile::remove(aside); });
    return true;
}

bool DownloadFile::renameFile(const QString &from, const QString &to)
{
    // rename() replaces an existing target in one step; QFile::rename would refuse it.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    m_error = QString::fromLocal8Bit(std::strerror(errno));
    return false;
}
