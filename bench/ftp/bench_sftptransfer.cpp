// Upload and download of a 256 MB file over loopback against OpenSSH, beside the system's sftp
// client in batch mode, while a 10 ms timer shows whether the event loop keeps answering.
#include "benchreport.h"
#include "ftp/sftpsession.h"
#include "sshdprocess.h"
#include "transferload.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

using namespace transferload;

constexpr int Runs = 7;

// Seconds for one sftp run of a batch command, or a negative value when it failed.
double sftpSeconds(const SshdProcess &server, const QString &key, const QString &command)
{
    const SftpLogin login = server.login();
    QTemporaryDir dir;
    const QString batch = dir.filePath(QStringLiteral("batch"));
    QFile file(batch);
    if (!file.open(QIODevice::WriteOnly) || file.write(command.toUtf8() + '\n') < 0)
        return -1;
    file.close();
    QProcess sftp;
    QElapsedTimer clock;
    clock.start();
    sftp.start(QStringLiteral("sftp"), {"-q", "-F", "/dev/null", "-b", batch, "-i", key, "-o", "IdentitiesOnly=yes",
                                        "-o", "UserKnownHostsFile=" + login.knownHostsFile, "-o",
                                        "GlobalKnownHostsFile=/dev/null", "-P", QString::number(login.port),
                                        login.user + QStringLiteral("@127.0.0.1")});
    if (!sftp.waitForFinished(-1) || sftp.exitCode() != 0) {
        std::fprintf(stderr, "sftp failed: %s\n", sftp.readAllStandardError().constData());
        return -1;
    }
    return double(clock.nsecsElapsed()) / 1e9;
}

// Seconds for a whole session of ours (log in, one transfer, log out), as sftp's run is.
double oursSeconds(const SshdProcess &server, const std::function<void(SftpSession &)> &transfer,
                   double &longestGapMs)
{
    QElapsedTimer clock;
    clock.start();
    TickWatch watch;
    try {
        SftpSession session;
        session.connectToHost(server.login());
        transfer(session);
        session.disconnectFromHost();
    } catch (const SftpError &error) {
        std::fprintf(stderr, "transfer failed: %s\n", error.what());
        return -1;
    }
    longestGapMs = qMax(longestGapMs, watch.longestGapMs());
    return double(clock.nsecsElapsed()) / 1e9;
}

void reportDirection(const QString &direction, const QList<double> &ours, const QList<double> &sftp)
{
    // The machine is shared: each of our runs is set against the sftp run beside it, and the
    // middle ratio counts.
    QList<double> ratios;
    for (int run = 0; run < Runs; ++run)
        ratios << sftp.at(run) / ours.at(run);
    const double ratio = median(ratios);
    const QString name = QStringLiteral("sftp ") + direction + QStringLiteral(" 256 MB");
    bench::report(name + QStringLiteral(", ours"), megabytesPerSecond(median(ours)), QStringLiteral("MB/s"), 0,
                  QStringLiteral("ratio %1 to sftp").arg(ratio, 0, 'f', 2));
    bench::report(name + QStringLiteral(", sftp client"), megabytesPerSecond(median(sftp)), QStringLiteral("MB/s"));
    bench::report(QStringLiteral("sftp ") + direction + QStringLiteral(" ratio to the sftp client"), ratio,
                  QString(), 0.8, ratio >= 0.8 ? QStringLiteral("met") : QStringLiteral("missed"));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SshdProcess server;
    QTemporaryDir local;
    const QString failure = server.start();
    const QString source = local.filePath(QStringLiteral("source.bin"));
    if (!failure.isEmpty() || !local.isValid() || !writeSourceFile(source)) {
        std::fprintf(stderr, "cannot start: %s\n", qPrintable(failure));
        return 1;
    }
    const QString key = server.makeClientKey();
    QFile knownHosts(server.login().knownHostsFile);
    if (key.isEmpty() || !knownHosts.open(QIODevice::WriteOnly)
        || knownHosts.write(server.knownHostsLine(server.hostPublicKey()).toUtf8()) < 0) {
        std::fprintf(stderr, "cannot make the client's key\n");
        return 1;
    }
    knownHosts.close();

    double longestGapMs = 0;
    QList<double> sftpUp, oursUp, sftpDown, oursDown;
    const auto uploadOurs = [&] {
        oursUp << oursSeconds(server, [&](SftpSession &s) { s.putFile(source, "ours.bin"); }, longestGapMs);
    };
    const auto uploadSftp = [&] { sftpUp << sftpSeconds(server, key, "put " + source + " sftp.bin"); };
    const auto downloadOurs = [&] {
        oursDown << oursSeconds(
            server, [&](SftpSession &s) { s.fetchFile("ours.bin", local.filePath("ours.bin")); }, longestGapMs);
    };
    const auto downloadSftp = [&] {
        sftpDown << sftpSeconds(server, key, "get sftp.bin " + local.filePath("sftp.bin"));
    };
    for (int run = 0; run < Runs; ++run) {
        if (run % 2 == 0) {
            uploadSftp();
            uploadOurs();
            downloadSftp();
            downloadOurs();
        } else {
            uploadOurs();
            uploadSftp();
            downloadOurs();
            downloadSftp();
        }
    }
    for (const QList<double> *times : {&sftpUp, &oursUp, &sftpDown, &oursDown}) {
        if (std::any_of(times->cbegin(), times->cend(), [](double seconds) { return seconds <= 0; }))
            return 1;
    }
    if (QFileInfo(QDir(server.root()).filePath("ours.bin")).size() != FileSize
        || QFileInfo(local.filePath("ours.bin")).size() != FileSize) {
        std::fprintf(stderr, "a transferred file has the wrong size\n");
        return 1;
    }
    reportDirection(QStringLiteral("upload"), oursUp, sftpUp);
    reportDirection(QStringLiteral("download"), oursDown, sftpDown);
    bench::report(QStringLiteral("sftp longest 10 ms timer gap during transfers"), longestGapMs, QStringLiteral("ms"),
                  50, longestGapMs <= 50 ? QStringLiteral("met") : QStringLiteral("missed"));
    return 0;
}
