#include "ftp/ftpreply.h"

#include <QRegularExpression>

#include <climits>

namespace FtpReply {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

int code(const QString &line)
{
    qint64 value = 0;
    for (int i = 0; i < qMin(10, int(line.size())) && isDigit(line.at(i)); ++i)
        value = value * 10 + line.at(i).digitValue();
    // Ten digits can exceed an int; such a code is far beyond any failure range.
    return int(qMin<qint64>(value, INT_MAX));
}

bool continues(const QString &line)
{
    return line.startsWith(QLatin1Char(' ')) || (line.size() >= 4 && line.at(3) == QLatin1Char('-'));
}

bool failed(int code, int firstFailure)
{
    return code >= firstFailure && code <= 599;
}

qint64 size(const QString &reply)
{
    const QString upper = reply.toUpper();
    int end = upper.indexOf(QLatin1String("BYTE"));
    while (end > 0 && !isDigit(upper.at(end - 1)))
        --end;
    int start = end;
    while (start > 0 && isDigit(upper.at(start - 1)))
        --start;
    // Digits beyond 18 would overflow; no real size has that many.
    if (start == end || end - start > 18)
        return 0;
    return upper.mid(start, end - start).toLongLong();
}

QString folder(const QString &reply)
{
    const int first = reply.indexOf(QLatin1Char('"'));
    const int second = first < 0 ? -1 : reply.indexOf(QLatin1Char('"'), first + 1);
    return second < 0 ? QString() : reply.mid(first + 1, second - first - 1);
}

quint16 extendedPassivePort(const QString &reply)
{
    // The delimiter is the character after "(", "|" by default, repeated three times.
    static const QRegularExpression pattern(QStringLiteral("\\((.)\\1\\1(\\d{1,5})\\1\\)"));
    const QRegularExpressionMatch match = pattern.match(reply);
    const uint port = match.hasMatch() ? match.captured(2).toUInt() : 0;
    return port <= 65535 ? quint16(port) : 0;
}

bool passiveAddress(const QString &reply, QHostAddress &address, quint16 &port)
{
    static const QRegularExpression pattern(
        QStringLiteral("(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3}),(\\d{1,3})"));
    // The code itself is not part of the address.
    const QRegularExpressionMatch match = pattern.match(reply, 3);
    if (!match.hasMatch())
        return false;
    uint parts[6];
    for (int i = 0; i < 6; ++i) {
        parts[i] = match.captured(i + 1).toUInt();
        if (parts[i] > 255)
            return false;
    }
    address = QHostAddress((parts[0] << 24) | (parts[1] << 16) | (parts[2] << 8) | parts[3]);
    port = quint16(parts[4] * 256 + parts[5]);
    return port != 0;
}

QString chomp(const QString &line)
{
    int end = int(line.size());
    while (end > 0 && (line.at(end - 1) == QLatin1Char('\n') || line.at(end - 1) == QLatin1Char('\r')))
        --end;
    return line.left(end);
}

} // namespace FtpReply
