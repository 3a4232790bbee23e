#include "scriptedftpserver.h"

#include <QTimer>

ScriptedFtpServer::ScriptedFtpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedFtpServer::onNewConnection);
    m_server.listen(QHostAddress::LocalHost);
}

void ScriptedFtpServer::onNewConnection()
{
    m_control = m_server.nextPendingConnection();
    m_control->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(m_control, &QTcpSocket::readyRead, this, &ScriptedFtpServer::onCommandData);
    connect(m_control, &QTcpSocket::disconnected, this, [this] { clientClosed = true; });
    send(greeting);
}

void ScriptedFtpServer::dropClient()
{
    if (m_control)
        m_control->abort();
}

void ScriptedFtpServer::onCommandData()
{
    m_pending += m_control->readAll();
    for (int end = int(m_pending.indexOf("\r\n")); end >= 0; end = int(m_pending.indexOf("\r\n"))) {
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 2);
        handle(line);
    }
}

void ScriptedFtpServer::send(const QByteArray &bytes)
{
    if (!m_control || m_control->state() != QAbstractSocket::ConnectedState)
        return;
    if (!tinyPackets) {
        m_control->write(bytes);
        return;
    }
    const bool idle = m_slowOutput.isEmpty();
    m_slowOutput += bytes;
    if (idle)
        sendNextByte();
}

void ScriptedFtpServer::sendNextByte()
{
    if (!m_control || m_slowOutput.isEmpty())
        return;
    m_control->write(m_slowOutput.left(1));
    m_control->flush();
    m_slowOutput.remove(0, 1);
    QTimer::singleShot(1, this, &ScriptedFtpServer::sendNextByte);
}

void ScriptedFtpServer::handle(const QByteArray &line)
{
    commands.append(QString::fromUtf8(line));
    commandBytes.append(line);
    const QByteArray word = line.left(line.indexOf(' ') < 0 ? line.size() : line.indexOf(' '));
    if (word == "PORT") {
        const QList<QByteArray> parts = line.mid(5).split(',');
        if (parts.size() == 6) {
            m_dataAddress = QHostAddress(QString::fromLatin1(parts.mid(0, 4).join('.')));
            m_dataPort = quint16(parts.at(4).toUInt() * 256 + parts.at(5).toUInt());
        }
    }
    if ((word == "EPSV" || word == "PASV") && !replies.contains(word) && !firstReplies.contains(word)) {
        openPassive(word);
        return;
    }
    const QByteArray reply = firstReplies.contains(word) ? firstReplies.take(word) : replies.value(word, "200 OK\r\n");
    send(reply);
    if (word == "QUIT" && !reply.isEmpty()) {
        m_control->disconnectFromHost();
        return;
    }
    if ((word == "LIST" || word == "RETR" || word == "STOR") && reply.startsWith('1'))
        openData(word);
}

void ScriptedFtpServer::openPassive(const QByteArray &word)
{
    m_passiveServer.close();
    m_passiveServer.listen(QHostAddress::LocalHost);
    const quint16 port = m_passiveServer.serverPort();
    if (word == "EPSV")
        send("229 Entering Extended Passive Mode (|||" + QByteArray::number(port) + "|)\r\n");
    else
        send("227 Entering Passive Mode (" + passiveAddress + "," + QByteArray::number(port >> 8) + ","
             + QByteArray::number(port & 0xff) + ").\r\n");
    m_passiveWord.clear();
    m_data = nullptr;
    disconnect(&m_passiveServer, nullptr, this, nullptr);
    connect(&m_passiveServer, &QTcpServer::newConnection, this, [this] {
        m_data = m_passiveServer.nextPendingConnection();
        m_passiveServer.close();
        if (!m_passiveWord.isEmpty())
            startData(m_passiveWord);
    });
}

void ScriptedFtpServer::openData(const QByteArray &word)
{
    if (m_passiveServer.isListening() || m_data) {
        // Passive: the client connects, before or after this command.
        m_passiveWord = word;
        if (m_data)
            startData(word);
        return;
    }
    if (dataMode == DataMode::NeverConnect)
        return;
    m_data = new QTcpSocket(this);
    connect(m_data, &QTcpSocket::connected, this, [this, word] { startData(word); });
    m_data->connectToHost(m_dataAddress, m_dataPort);
}

void ScriptedFtpServer::startData(const QByteArray &word)
{
    QTcpSocket *data = m_data;
    m_data = nullptr;
    m_passiveWord.clear();
    connect(data, &QTcpSocket::readyRead, this, [this, data] { uploaded += data->readAll(); });
    connect(data, &QTcpSocket::disconnected, this, [this, data] {
        if (data->isOpen())
            uploaded += data->readAll();
        if (dataMode == DataMode::Transfer || dataMode == DataMode::NeverConnect)
            send(finalReply);
    });
    // A passive client may have sent before the command came.
    uploaded += data->readAll();
    if (dataMode == DataMode::ServiceEnd) {
        data->write(download.left(10));
        send("421 Service not available, closing control connection\r\n");
        return;
    }
    if (dataMode == DataMode::DropControl) {
        data->write(download.left(10));
        m_control->abort();
        return;
    }
    if (dataMode == DataMode::Silent)
        return;
    if (dataMode == DataMode::Endless) {
        const auto more = [data] {
            if (data->state() == QAbstractSocket::ConnectedState && data->bytesToWrite() < 65536)
                data->write(QByteArray(65536, 'x'));
        };
        connect(data, &QTcpSocket::bytesWritten, data, more);
        more();
        return;
    }
    if (word != "STOR") {
        data->write(download);
        data->disconnectFromHost();
    }
}
