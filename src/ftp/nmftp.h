#pragma once

#include "ftp/ftpdirectorylist.h"
#include "ftp/powersock.h"

#include <QStringList>

#include <memory>

// The operation a reply belongs to, as passed to the failure, success and unsupported events.
enum class TCmdType {
    ChangeFolder = 0,
    MakeFolder = 1,
    RemoveFile = 2,
    RemoveFolder = 3,
    ListFolder = 4,
    Rename = 5,
    Download = 8,
    Upload = 9,
    Command = 14,
    WorkingFolder = 15,
};

// The client side of FTP: this object's connection is the control connection, and each
// listing or transfer opens one data connection, in active mode (the server connects) or in
// passive mode (the client connects). Negative replies raise FTPException unless OnFailure
// sets handled.
class TNMFTP : public TPowersock
{
    Q_OBJECT

public:
    using CmdEvent = std::function<void(TCmdType type)>;
    using FailureEvent = std::function<void(bool &handled, TCmdType type)>;
    using ListItemEvent = std::function<void(const QString &listing)>;
    // Asks the user whether to trust a certificate that failed verification.
    using CertificateEvent = std::function<bool(const QSslCertificate &certificate, const QList<QSslError> &errors)>;

    enum class TransferMode {
        Automatic, // active, and passive for good once the server cannot connect back
        Active,
        Passive,
    };
    enum class Encryption {
        None,
        WhenAvailable, // TLS when the server offers it, else unencrypted
        Required,      // no login without TLS
    };

    enum VendorKind {
        VendorUnix = 2400,
        VendorDos = 2401,
        VendorVm = 2402,
        VendorMacOs = 2404,
        VendorVms = 2406,
        VendorMvs = 2408,
        VendorOther = 2410,
        VendorAuto = 2411,
        VendorOs400 = 2414,
        VendorNetWare = 2416,
    };

    // A listing is cut after this many lines or bytes, so that no server can exhaust memory.
    static constexpr int MaxListingLines = 200000;
    static constexpr qint64 MaxListingBytes = 64LL * 1024 * 1024;
    // How long automatic mode waits for the server's data connection when TimeOut is 0.
    static constexpr int DataConnectMs = 10000;

    explicit TNMFTP(QObject *parent = nullptr);
    ~TNMFTP() override;

    QString UserID;
    QString Password;
    int Vendor = VendorAuto; // VendorAuto asks the server (SYST) before the first listing
    bool ParseList = false;
    TransferMode Mode = TransferMode::Automatic;
    Encryption Security = Encryption::None;
    // Certificates trusted for Host although they fail verification; one the user accepts
    // through OnCertificateError is added, for the caller to keep.
    QList<QSslCertificate> TrustedCertificates;
    CertificateEvent OnCertificateError;

    NotifyEvent OnConnect; // logged in
    NotifyEvent OnTransactionStart;
    NotifyEvent OnTransactionStop;
    HandledEvent OnAuthenticationNeeded;
    FailureEvent OnFailure;
    CmdEvent OnSuccess;
    ListItemEvent OnListItem;
    CmdEvent OnUnSupportedFunction;

    // Connects and logs in with UserID and Password; with Proxy set, as UserID@Host.
    void Connect() override;
    // Logs out (QUIT) and closes the connection.
    void Disconnect() override;
    // As the socket layer's, but a 421 or 426 line that cancelled the wait is the reply.
    QString Transaction(const QString &command) override;
    // Ends the running operation's wait, on the data connection and the control connection.
    void Abort() override;

    // Sends a command line as it stands and returns the reply's first line.
    QString SendCommand(const QString &line);
    QString WorkingFolder();
    void ChangeFolder(const QString &folder);
    void MakeFolder(const QString &name);
    void RemoveFile(const QString &name);
    void RemoveFolder(const QString &name);
    void RenameEntry(const QString &oldName, const QString &newName);
    // Lists the current folder; with ParseList on, directoryList() holds the entries.
    void ListFolder();
    // Whether the last listing was cut short at MaxListingLines or MaxListingBytes.
    bool listingCut() const { return m_listingCut; }
    // Downloads into localPath (empty: the remote file's name in the working directory). The
    // file is replaced only when the whole download succeeded.
    void FetchFile(const QString &remoteName, const QString &localPath = QString());
    // Uploads under remoteName (empty: the local file's name).
    void PutFile(const QString &localPath, const QString &remoteName = QString());
    // 1 ASCII, 2 binary, 3 local 8-bit; other values send nothing.
    void SetTransferType(int type);

    const TFTPDirectoryList *directoryList() const { return m_list.get(); }
    // Whether the next listing or transfer uses passive mode.
    bool passive() const;
    bool dataEncrypted() const { return m_protectData; }
    // Mode and encryption in use, as one line for the user.
    QString connectionSummary() const;
    qint64 bytesReceived() const override;
    qint64 bytesSent() const override;

    static TCmdType commandType(const QString &line);
    static int vendorOf(const QString &systemReply);

protected:
    void dataArrived() override;
    void socketClosed() override;
    QString decodeLine(const QByteArray &bytes) const override;

private:
    struct Reply {
        QString line;
        int code = 0;
        QStringList lines;
    };
    enum class Outcome { Done, Refused, TryPassive };
    enum class NameEncoding { Unknown, Utf8, Windows1252 };

    void startOperation();
    QString readReplyLine();
    void readContinuation(Reply &reply);
    Reply completeReply();
    Reply exchange(const QString &command);
    Reply readReply();
    bool holdsServiceEnd() const;
    bool holdsRefusal() const;
    void fail(const Reply &reply, TCmdType type, bool unsupportedFirst);
    void refuseLogin(const Reply &reply);
    void refuseLogin(const QString &reason);
    bool logIn();
    bool secureControl();
    void protectData();
    void negotiateFeatures();
    void dropConnection();
    void abortTransfer();
    void updateEncoding();
    void takeListing(const QList<QByteArray> &lines);
    quint16 openPassive(TCmdType type);
    Outcome awaitDataConnection(TCmdType type);
    // moveData returns whether the data ended as the server meant it to.
    bool runTransfer(TCmdType type, const QString &command, const QString &shownCommand,
                     bool sizeFromReply, const std::function<bool()> &moveData);
    Outcome transferOnce(bool passiveMode, TCmdType type, const QString &command, const QString &shownCommand,
                         bool sizeFromReply, const std::function<bool()> &moveData);

    std::unique_ptr<TPowersock> m_data;
    std::unique_ptr<TFTPDirectoryList> m_list;
    bool m_aborted = false;
    bool m_passive = false; // automatic mode found that the server cannot connect back
    bool m_extendedPassiveRefused = false;
    bool m_protectData = false;
    bool m_awaitingData = false;
    bool m_abortingTransfer = false;
    bool m_listingCut = false;
    bool m_announcedUtf8 = false; // FEAT listed UTF8
    bool m_unixServer = false;    // SYST said UNIX
    NameEncoding m_listingEncoding = NameEncoding::Unknown;
    qint64 m_dataReceived = 0;
    qint64 m_dataSent = 0;
};
