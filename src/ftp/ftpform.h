#pragma once

#include "ftp/remotefolder.h"
#include "ui/prompts.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class EditorWindows;
class QDialog;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

// Upload mode offers uploading only, download mode downloading only.
enum class FtpMode { Upload, Download };

// The FTP window: connects with a stored connection, browses the remote folders, and uploads
// files or downloads them and opens the pages among them. Modeless and always on top; it
// deletes itself when closed.
class Tftpform : public QWidget
{
    Q_OBJECT

public:
    // Any network step is given up when nothing moves for this long.
    static constexpr int DefaultTimeOutMs = 30000;
    // Item data of a row: its icon's index.
    static constexpr int IconRole = Qt::UserRole;

    Tftpform(FtpMode mode, EditorWindows &windows, QWidget *parent = nullptr);
    ~Tftpform() override;

    FtpMode mode() const { return m_mode; }
    void ApplyCaptions();
    void setTimeOut(int ms);

    QTreeWidget *fileList = nullptr; // files
    QTreeWidget *folderList = nullptr; // folders and "../"
    QPlainTextEdit *statusLog = nullptr;
    QStatusBar *statusBar = nullptr;
    QLabel *folderPanel = nullptr; // current remote folder
    QLabel *progressPanel = nullptr; // folder summary or transfer progress
    QPushButton *connectButton = nullptr;
    QPushButton *disconnectButton = nullptr;
    QPushButton *downloadButton = nullptr;
    QPushButton *uploadButton = nullptr;
    QPushButton *createFolderButton = nullptr;
    QPushButton *deleteFolderButton = nullptr;
    QPushButton *renameFolderButton = nullptr;
    QPushButton *renameFileButton = nullptr;
    QPushButton *deleteFilesButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *closeButton = nullptr;
    QPushButton *helpButton = nullptr;
    // The folders of the server of the current connection, whatever its protocol.
    RemoteFolder &remote() const { return *m_remote; }

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    // The remote folder of a protocol, made when first used.
    RemoteFolder &folderFor(FtpProtocol protocol);
    void onClick(QPushButton *button, void (Tftpform::*handler)());
    void runOperation(void (Tftpform::*handler)());
    void reportFailure(const std::exception &e);
    // Raises when the user cancelled, so that the running operation takes no further step.
    void checkStopped() const;
    // The buttons for the state the ended operation left.
    void settle();

    void FormShow();
    void ButtonUpdate();
    void disableForOperation();
    void startOperation();
    void Refresh();
    bool overwriteAllowed(const QString &path);
    QStringList selectedFileNames() const;
    QTreeWidgetItem *selectedFolder() const;
    bool remoteFileListed(const QString &name) const;
    QTreeWidgetItem *addFolderRow(const QString &name, const QString &date, int icon);
    // Every box and dialog of the window is shown above it, with the normal cursor.
    Prompts::Button ask(Prompts::Kind kind, const QString &text, Prompts::Buttons buttons);
    int runModal(QDialog &dialog);

    void connectToServer();
    void disconnectFromServer();
    void downloadFiles();
    void uploadFiles();
    void createFolder();
    void deleteFolder();
    void renameFolder();
    void renameFile();
    void deleteFiles();
    void cancelOperation();
    void openFolder();
    void renameEntry(const QString &oldName);

    void remoteConnected();
    void remoteDisconnected();
    void remoteStatus(const QString &status);
    void remoteConnectionFailed();
    void remoteProgress();
    void remoteError(const QString &message);
    void remoteConnectionRequired(bool &handled);
    void remoteFailure(bool &handled, TCmdType type);
    void remoteSuccess(TCmdType type);

    const FtpMode m_mode;
    EditorWindows &m_windows;
    QList<QIcon> m_icons;
    int m_timeOut = DefaultTimeOutMs;
    QString m_folder;
    QElapsedTimer m_progressShown;
    QStringList m_downloadedPaths; // what the running download opens when done
    int m_finished = 0;            // downloads completed in the running command
    bool m_overwriteAll = false;
    bool m_overwriteNone = false;
    bool m_busy = false;           // an operation runs; the client takes one at a time
    bool m_failed = false;         // the running operation failed or was cancelled
    bool m_stopped = false;        // the running operation was cancelled
    bool m_loginFailed = false;
    bool m_collectRefusals = false; // refusals reach the running operation as exceptions
    bool m_closeRequested = false;
    // Last, so that they go first, while everything their events reach still exists.
    std::array<std::unique_ptr<RemoteFolder>, 2> m_folders; // by FtpProtocol
    RemoteFolder *m_remote = nullptr;
};
