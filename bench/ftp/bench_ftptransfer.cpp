// Upload and download of a 256 MB file over loopback against pyftpdlib, beside curl, in active
// and in passive mode, while a 10 ms timer shows whether the event loop keeps answering.
#include "benchreport.h"
#include "ftp/nmftp.h"
#include "ftpserverprocess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

const QString User = QStringLiteral("bench");
const QString Secret = QStringLiteral("bench-pw");
constexpr qint64 FileSize = 256LL * 1024 * 1024;
constexpr int Runs = 7;

bool writeTestFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1024 * 1024, Qt::Uninitialized);
    for (qint64 written = 0; written < FileSize; written += block.size()) {
        for (int i = 0; i < block.size(); ++i)
            block[i] = char((written / block.size()) * 31 + i * 7);
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

// Seconds for one curl run, or a negative value when it failed.
double curlSeconds(bool passive, const QStringList &arguments)
{
    QProcess curl;
    QElapsedTimer clock;
    clock.start();
    const QStringList mode = passive ? QStringList{"--ftp-pasv"} : QStringList{"-P", "127.0.0.1"};
    curl.start(QStringLiteral("curl"), QStringList{"-s", "-S", "--noproxy", "*"} + mode + arguments);
    if (!curl.waitForFinished(-1) || curl.exitCode() != 0) {
        std::fprintf(stderr, "curl failed: %s\n", curl.readAllStandardError().constData());
        return -1;
    }
    return double(clock.nsecsElapsed()) / 1e9;
}

// The longest gap between ticks of a 10 ms timer while it runs.
class TickWatch
{
public:
    TickWatch()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = qMax(m_longest, double(m_clock.nsecsElapsed()) / 1e6);
            m_clock.restart();
        });
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.start(10);
        m_clock.start();
    }
    double longestGapMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longest = 0;
};

// Seconds for a whole session of ours (log in, one transfer, log out), as curl's run is.
double oursSeconds(quint16 port, bool passive, const std::function<void(TNMFTP &)> &transfer, double &longestGapMs)
{
    QElapsedTimer clock;
    clock.start();
    TickWatch watch;
    try {
        TNMFTP ftp;
        ftp.Host = QStringLiteral("127.0.0.1");
        ftp.Port = port;
        ftp.UserID = User;
        ftp.Password = Secret;
        ftp.Mode = passive ? TNMFTP::TransferMode::Passive : TNMFTP::TransferMode::Active;
        ftp.Connect();
        ftp.SetTransferType(2);
        transfer(ftp);
        ftp.Disconnect();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "transfer failed: %s\n", error.what());
        return -1;
    }
    longestGapMs = qMax(longestGapMs, watch.longestGapMs());
    return double(clock.nsecsElapsed()) / 1e9;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double megabytesPerSecond(double seconds)
{
    return double(FileSize) / (1024.0 * 1024.0) / seconds;
}

// One mode's runs and reports; false when a transfer failed.
bool measure(quint16 port, const QString &url, bool passive, const QString &root, const QTemporaryDir &local,
             const QString &source, double &longestGapMs)
{
    const QString mode = passive ? QStringLiteral("ftp passive ") : QStringLiteral("ftp active ");
    // The machine is shared: each of our runs is set against the curl run beside it, the
    // order alternating, and the middle ratio counts.
    QList<double> curlUp, oursUp, curlDown, oursDown;
    const auto uploadOurs = [&] {
        oursUp << oursSeconds(port, passive, [&](TNMFTP &ftp) { ftp.PutFile(source, "ours.bin"); }, longestGapMs);
    };
    const auto uploadCurl = [&] { curlUp << curlSeconds(passive, {"-T", source, url + "curl.bin"}); };
    const auto downloadOurs = [&] {
        oursDown << oursSeconds(port, passive,
                                [&](TNMFTP &ftp) { ftp.FetchFile("ours.bin", local.filePath("ours.bin")); },
                                longestGapMs);
    };
    const auto downloadCurl = [&] {
        curlDown << curlSeconds(passive, {"-o", local.filePath("curl.bin"), url + "curl.bin"});
    };
    for (int run = 0; run < Runs; ++run) {
        if (run % 2 == 0) {
            uploadCurl();
            uploadOurs();
            downloadCurl();
            downloadOurs();
        } else {
            uploadOurs();
            uploadCurl();
            downloadOurs();
            downloadCurl();
        }
    }
    for (const QList<double> *times : {&curlUp, &oursUp, &curlDown, &oursDown}) {
        if (std::any_of(times->cbegin(), times->cend(), [](double seconds) { return seconds <= 0; }))
            return false;
    }
    if (QFileInfo(QDir(root).filePath("ours.bin")).size() != FileSize
        || QFileInfo(local.filePath("ours.bin")).size() != FileSize) {
        std::fprintf(stderr, "a transferred file has the wrong size\n");
        return false;
    }

    QList<double> upRatios, downRatios;
    for (int run = 0; run < Runs; ++run) {
        upRatios << curlUp.at(run) / oursUp.at(run);
        downRatios << curlDown.at(run) / oursDown.at(run);
    }
    const double upRatio = median(upRatios);
    const double downRatio = median(downRatios);
    const double upCurl = megabytesPerSecond(median(curlUp));
    const double downCurl = megabytesPerSecond(median(curlDown));
    bench::report(mode + QStringLiteral("upload 256 MB, ours"), megabytesPerSecond(median(oursUp)),
                  QStringLiteral("MB/s"), 0, QStringLiteral("ratio %1 to curl").arg(upRatio, 0, 'f', 2));
    bench::report(mode + QStringLiteral("upload 256 MB, curl"), upCurl, QStringLiteral("MB/s"));
    bench::report(mode + QStringLiteral("upload ratio to curl"), upRatio, QString(), 0.8,
                  upRatio >= 0.8 ? QStringLiteral("met") : QStringLiteral("missed"));
    bench::report(mode + QStringLiteral("download 256 MB, ours"), megabytesPerSecond(median(oursDown)),
                  QStringLiteral("MB/s"), 0, QStringLiteral("ratio %1 to curl").arg(downRatio, 0, 'f', 2));
    bench::report(mode + QStringLiteral("download 256 MB, curl"), downCurl, QStringLiteral("MB/s"));
    bench::report(mode + QStringLiteral("download ratio to curl"), downRatio, QString(), 0.8,
                  downRatio >= 0.8 ? QStringLiteral("met") : QStringLiteral("missed"));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    QTemporaryDir local;
    const QString source = local.filePath(QStringLiteral("source.bin"));
    if (!root.isValid() || !local.isValid() || !writeTestFile(source)) {
        std::fprintf(stderr, "cannot write the test file\n");
        return 1;
    }
    FtpServerProcess server;
    const QString failure = server.start(root.path(), User, Secret);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    const QString url = QStringLiteral("ftp://%1:%2@127.0.0.1:%3/").arg(User, Secret).arg(server.port());
    double longestGapMs = 0;
    for (const bool passive : {false, true}) {
        if (!measure(server.port(), url, passive, root.path(), local, source, longestGapMs))
            return 1;
    }
    bench::report(QStringLiteral("ftp longest 10 ms timer gap during transfers"), longestGapMs,
                  QStringLiteral("ms"), 50, longestGapMs <= 50 ? QStringLiteral("met") : QStringLiteral("missed"));
    return 0;
}
