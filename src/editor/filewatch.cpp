#include "editor/filewatch.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>

#include <sys/stat.h>

namespace {

constexpr int SettleMs = 150;

// One watcher for the whole program: each one costs the system a watch
// instance, and users have few of them. Counts how many documents watch a path.
class SharedWatcher
{
public:
    static QFileSystemWatcher *watcher()
    {
        static QPointer<QFileSystemWatcher> instance;
        if (!instance)
            instance = new QFileSystemWatcher(QCoreApplication::instance());
        return instance;
    }

    static void add(const QString &path)
    {
        // A file replaced by renaming another over it is a new file: its
        // watch starts afresh.
        if (counts()[path]++ == 0 || !watcher()->files().contains(path))
            watcher()->addPath(path);
    }

    static void remove(const QString &path)
    {
        auto it = counts().find(path);
        if (it == counts().end())
            return;
        if (--it.value() == 0) {
            counts().erase(it);
            watcher()->removePath(path);
        }
    }

private:
    static QHash<QString, int> &counts()
    {
        static QHash<QString, int> map;
        return map;
    }
};

} // namespace

bool FileWatch::Stamp::operator==(const Stamp &other) const
{
    return exists == other.exists && device == other.device && inode == other.inode && size == other.size
           && modifiedNs == other.modifiedNs && changedNs == other.changedNs;
}

FileWatch::Stamp FileWatch::stampOf(const QString &path)
{
    Stamp stamp;
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = quint64(info.st_dev);
    stamp.inode = quint64(info.st_ino);
    stamp.size = qint64(info.st_size);
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.changedNs = qint64(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
    return stamp;
}

FileWatch::FileWatch(QObject *parent)
    : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, &FileWatch::check);
    connect(SharedWatcher::watcher(), &QFileSystemWatcher::fileChanged, this, [this](const QString &path) {
        if (path == m_path)
            recheck();
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            recheck();
    });
}

FileWatch::~FileWatch()
{
    unwatchFile();
}

void FileWatch::track(const QString &path)
{
    if (path != m_path) {
        unwatchFile();
        m_path = path;
    }
    m_own = stampOf(path);
    m_told = m_own;
    watchFile();
}

void FileWatch::stop()
{
    unwatchFile();
    m_path.clear();
    m_settle.stop();
}

FileWatch::State FileWatch::state() const
{
    if (m_path.isEmpty())
        return State::Unchanged;
    const Stamp now = stampOf(m_path);
    if (now == m_own)
        return State::Unchanged;
    return now.exists ? State::Changed : State::Removed;
}

void FileWatch::check()
{
    if (m_path.isEmpty())
        return;
    if (QGuiApplication::applicationState() != Qt::ApplicationActive)
        return; // looked at again when the user comes back
    watchFile();
    const Stamp now = stampOf(m_path);
    if (now == m_own || now == m_told)
        return;
    Q_EMIT changedOnDisk(now.exists ? State::Changed : State::Removed);
}

void FileWatch::acknowledge()
{
    m_told = stampOf(m_path);
}

void FileWatch::recheck()
{
    if (!m_path.isEmpty())
        m_settle.start();
}

void FileWatch::watchFile()
{
    // A removed file cannot be watched; it is looked for again at the next check.
    if (!stampOf(m_path).exists)
        return;
    if (m_watched)
        SharedWatcher::remove(m_path);
    SharedWatcher::add(m_path);
    m_watched = true;
}

void FileWatch::unwatchFile()
{
    if (m_watched)
        SharedWatcher::remove(m_path);
    m_watched = false;
}
