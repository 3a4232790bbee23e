#pragma once

#include "ftp/ftpconnections.h"
#include "ftp/nmftp.h"

#include <QList>
#include <QString>

#include <exception>
#include <functional>
#include <memory>
#include <optional>

// The folders of a server as the FTP window browses and changes them, over FTP or SFTP. Calls
// look blocking and keep the event loop running. A refused operation goes to OnFailure with
// its code and raises unless the handler sets handled; any other failure raises.
class RemoteFolder
{
public:
    struct Entry
    {
        QString name;
        qint64 size = 0;
        QString date;
        bool folder = false;
    };
    using NotifyEvent = std::function<void()>;
    using TextEvent = std::function<void(const QString &text)>;
    using HandledEvent = std::function<void(bool &handled)>;
    using FailureEvent = std::function<void(bool &handled, TCmdType type)>;
    using SuccessEvent = std::function<void(TCmdType type)>;
    // Runs a question to the user the way the window shows its questions.
    using PromptRunner = std::function<void(const std::function<void()> &question)>;

    virtual ~RemoteFolder() = default;

    // The protocol's own folder for the connection's protocol.
    static std::unique_ptr<RemoteFolder> create(FtpProtocol protocol);

    NotifyEvent OnDisconnect;
    NotifyEvent OnConnectionFailed;
    NotifyEvent OnProgress; // a piece of a transfer moved
    TextEvent OnStatus;
    TextEvent OnError; // a network failure, in the user's language
    HandledEvent OnConnectionRequired;
    FailureEvent OnFailure;
    SuccessEvent OnSuccess;
    PromptRunner OnPrompt;

    // The server and account of the next connectToServer(); silence longer than timeOutMs
    // ends a wait.
    virtual void setConnection(const FtpConnections::PendingConnection &connection, int timeOutMs) = 0;
    virtual void connectToServer() = 0;
    virtual void disconnectFromServer() = 0;
    // Ends the running operation's wait; the operation raises.
    virtual void abort() = 0;
    virtual bool isConnected() const = 0;

    virtual QString workingFolder() = 0;
    virtual void changeFolder(const QString &name) = 0;
    virtual QList<Entry> list() = 0;
    // Whether the last list() stopped short of a folder too large to show whole.
    virtual bool listingCut() const { return false; }
    virtual void makeFolder(const QString &name) = 0;
    virtual void removeFolder(const QString &name) = 0;
    virtual void removeFile(const QString &name) = 0;
    virtual void rename(const QString &oldName, const QString &newName) = 0;
    // The local file is replaced only by a complete download.
    virtual void fetchFile(const QString &name, const QString &localPath) = 0;
    virtual void putFile(const QString &localPath, const QString &name) = 0;
    virtual qint64 bytesDone() const = 0;
    virtual qint64 transferSize() const = 0;

    // A failure raised by this folder as the user should read it.
    virtual QString errorText(const std::exception &error, int lang) const = 0;
    // The server's reason when the failure is the refusal of one operation; the connection
    // stays usable then.
    virtual std::optional<QString> refusalOf(const std::exception &error) const = 0;

protected:
    void ask(const std::function<void()> &question) const
    {
        if (OnPrompt)
            OnPrompt(question);
        else
            question();
    }
};
