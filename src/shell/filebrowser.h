#pragma once

#include <QFileSystemWatcher>
#include <QWidget>

class QComboBox;
class QListWidget;
class QTreeWidget;

// The file-browser panel: a box of places to start from, the current folder
// with the folders above and below it, and the current folder's web files.
// Enter on the file list opens the selected files, a double click the one
// clicked.
class TFileBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit TFileBrowser(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QString currentDirectory() const { return m_current; }
    void setCurrentDirectory(const QString &path);
    // Full paths of the selected files, in list order.
    QStringList selectedFiles() const;

    // The places offered: the root, home, and mounted volumes.
    static QStringList places();

    QComboBox *placeBox = nullptr;
    QTreeWidget *folderTree = nullptr;
    QListWidget *fileList = nullptr;

Q_SIGNALS:
    void openRequested(const QStringList &paths);
    void driveError();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choosePlace(int index);
    void fillFolders();
    void fillFiles();
    void showPlace();

    QString m_current;
    int m_lastDrive = 0;
    QFileSystemWatcher m_watcher;
};
