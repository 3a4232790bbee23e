#pragma once

#include "ftp/remotefolder.h"
#include "platform/prompts.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class EditorHost;
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

    Tftpform(FtpMode mode, EditorHost &host, QWidget *parent = nullptr);
    ~Tftpform() override;

    FtpMode mode() const { return m_mode; }
    void ApplyCaptions();
    void setTimeOut(int ms);

    QTreeWidget *ListView1 = nullptr; // files
    QTreeWidget *ListView2 = nullptr; // folders and "../"
    QPlainTextEdit *Memo1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *panel0 = nullptr; // current remote folder
    QLabel *panel1 = nullptr; // folder summary or transfer progress
    QPushButton *connectbtn = nullptr;
    QPushButton *disbtn = nullptr;
    QPushButton *downbtn = nullptr;
    QPushButton *upbtn = nullptr;
    QPushButton *createbtn = nullptr;
    QPushButton *deldirbtn = nullptr;
    QPushButton *rendirbtn = nullptr;
    QPushButton *renbtn = nullptr;
    QPushButton *delfilbtn = nullptr;
    QPushButton *cancelbtn = nullptr;
    QPushButton *closebtn = nullptr;
    QPushButton *helpbutton = nullptr;
    // The folders of the server of the current connection, whatever its protocol.
    RemoteFolder &remote() const { return *NMFTP1; }

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

    void connectbtnClick();
    void disbtnClick();
    void downbtnClick();
    void upbtnClick();
    void createbtnClick();
    void deldirbtnClick();
    void rendirbtnClick();
    void renbtnClick();
    void delfilbtnClick();
    void cancelbtnClick();
    void ListView2DblClick();
    void renameEntry(const QString &oldName);

    void NMFTP1Connect();
    void NMFTP1Disconnect();
    void NMFTP1Status(const QString &status);
    void NMFTP1ConnectionFailed();
    void NMFTP1Progress();
    void NMFTP1Error(const QString &message);
    void NMFTP1ConnectionRequired(bool &handled);
    void NMFTP1Failure(bool &handled, TCmdType type);
    void NMFTP1Success(TCmdType type);

    const FtpMode m_mode;
    EditorHost &m_host;
    QList<QIcon> ImageList1;
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
    RemoteFolder *NMFTP1 = nullptr;
};
