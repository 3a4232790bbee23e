#pragma once

#include <QString>
#include <QTemporaryFile>

// A download target that replaces its file only when committed, so a failed or cancelled
// download leaves an existing file as it was. Unlike QSaveFile it does not force the data to
// disk first, which would hold up the event loop for a large file.
class DownloadFile
{
public:
    explicit DownloadFile(const QString &path);

    // Creates the partial file beside the target.
    bool open();
    QIODevice &device() { return m_part; }
    // Puts the partial file in place of the target, keeping the target's permissions.
    bool commit();
    QString errorString() const { return m_error.isEmpty() ? m_part.errorString() : m_error; }

private:
    bool renameFile(const QString &from, const QString &to);

    QString m_path;
    QTemporaryFile m_part;
    QString m_error;
};
