#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

// A small FTP server on 127.0.0.1 that answers from a script, for replies a real server will
// not give on demand. It takes one client at a time and records every command line.
class ScriptedFtpServer : public QObject
{
    Q_OBJECT

public:
    // What happens on the data connection after a positive reply to LIST, RETR or STOR.
    enum class DataMode {
        Transfer,            // connect, move the data, close, then "226"
        NeverConnect,        // the active data connection never comes
        ServiceEnd,          // connect, send a little, then "421" on the control connection
        DropControl,         // connect, send a little, then close the control connection
        Silent,              // connect, then neither send nor close
        Endless,             // connect, then send bytes without a line feed until the client closes
    };

    explicit ScriptedFtpServer(QObject *parent = nullptr);

    quint16 port() const { return m_server.serverPort(); }
    void dropClient();

    QByteArray greeting = "220 Ready\r\n";
    // Reply bytes by command word; a word without one gets "200 OK". A reply in firstReplies
    // is given once, before those.
    QHash<QByteArray, QByteArray> replies;
    QHash<QByteArray, QByteArray> firstReplies;
    // The address a PASV reply names; the server listens on 127.0.0.1 all the same.
    QByteArray passiveAddress = "127,0,0,1";
    DataMode dataMode = DataMode::Transfer;
    QByteArray download; // sent for LIST and RETR
    QByteArray uploaded; // received for STOR
    QByteArray finalReply = "226 Transfer complete\r\n";
    // Send every byte of the control connection as a packet of its own.
    bool tinyPackets = false;

    QStringList commands;
    QList<QByteArray> commandBytes; // as they came, for names in other encodings
    bool clientClosed = false;

private:
    void onNewConnection();
    void onCommandData();
    void handle(const QByteArray &line);
    void send(const QByteArray &bytes);
    void sendNextByte();
    void openData(const QByteArray &word);
    void openPassive(const QByteArray &word);
    void startData(const QByteArray &word);

    QTcpServer m_server;
    QPointer<QTcpSocket> m_control;
    QPointer<QTcpSocket> m_data;
    QByteArray m_pending;
    QByteArray m_slowOutput;
    QTcpServer m_passiveServer;
    QByteArray m_passiveWord; // the transfer waiting for its passive data connection
    QHostAddress m_dataAddress;
    quint16 m_dataPort = 0;
};
