#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Notices when another program changes or removes a document's file. The
// file's identity, size and times are recorded whenever the document itself
// read or wrote it, so the document's own saves never count as changes.
// Changes are reported while the program is active: one that happens while
// the user works in another program is reported on coming back.
class FileWatch : public QObject
{
    Q_OBJECT

public:
    enum class State { Unchanged, Changed, Removed };

    explicit FileWatch(QObject *parent = nullptr);
    ~FileWatch() override;

    // The file as it stands now is the document's own: it was just read or
    // written.
    void track(const QString &path);
    // The document has no file to watch.
    void stop();

    // How the file on disk compares with what the document last read or
    // wrote; Unchanged while nothing is tracked.
    State state() const;
    // The user knows about the file as it stands now: it is not reported again.
    void acknowledge();
    // Looks at the file again shortly, as after a change.
    void recheck();

Q_SIGNALS:
    // The file is neither the document's own nor what the user knows about.
    void changedOnDisk(FileWatch::State state);

private:
    struct Stamp
    {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const Stamp &other) const;
    };
    static Stamp stampOf(const QString &path);
    void check();
    void watchFile();
    void unwatchFile();

    QString m_path;
    bool m_watched = false;
    Stamp m_own;  // as the document last read or wrote it
    Stamp m_told; // the last state the user knows about
    // Programs replace a file in steps (write a copy, remove, rename); the
    // check waits until the steps are done.
    QTimer m_settle;
};
