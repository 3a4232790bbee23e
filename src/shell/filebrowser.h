#pragma once

#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QListView;

// The file-browser panel: a box of places to start from, the folders of the
// current directory and its web files. Enter on the file list opens the
// selected files.
class TFileBrowser : public QWidget
{
    Q_OBJECT

public:
    explicit TFileBrowser(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    QString currentDirectory() const;
    void setCurrentDirectory(const QString &path);
    QStringList selectedFiles() const;

    // The places offered: the root, home, and mounted volumes.
    static QStringList places();

    QComboBox *drivebox = nullptr;
    QListView *dirbox = nullptr;
    QListView *filebox = nullptr;

Q_SIGNALS:
    void openRequested(const QStringList &paths);
    void driveError();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void driveboxChange(int index);
    void enterDirectory(const QModelIndex &index);

    QFileSystemModel *m_dirs = nullptr;
    QFileSystemModel *m_files = nullptr;
    int m_lastDrive = 0;
};
