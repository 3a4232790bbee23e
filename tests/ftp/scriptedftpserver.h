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
        NeverConnect,        // the data connection never comes
        ServiceEnd,          // connect, send a little, then "421" on the control connection
        DropControl,         // connect, send a little, then close the control connection
    };

    explicit ScriptedFtpServer(QObject *parent = nullptr);

    quint16 port() const { return m_server.serverPort(); }
    void dropClient();

    QByteArray greeting = "220 Ready\r\n";
    // Reply bytes by command word; a word without one gets "200 OK".
    QHash<QByteArray, QByteArray> replies;
    DataMode dataMode = DataMode::Transfer;
    QByteArray download; // sent for LIST and RETR
    QByteArray uploaded; // received for STOR
    QByteArray finalReply = "226 Transfer complete\r\n";
    // Send every byte of the control connection as a packet of its own.
    bool tinyPackets = false;

    QStringList commands;
    bool clientClosed = false;

private:
    void onNewConnection();
    void onCommandData();
    void handle(const QByteArray &line);
    void send(const QByteArray &bytes);
    void sendNextByte();
    void openData(const QByteArray &word);

    QTcpServer m_server;
    QPointer<QTcpSocket> m_control;
    QPointer<QTcpSocket> m_data;
    QByteArray m_pending;
    QByteArray m_slowOutput;
    QHostAddress m_dataAddress;
    quint16 m_dataPort = 0;
};
