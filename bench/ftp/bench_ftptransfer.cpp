// Upload and download of a 256 MB file over loopback, by the FTP client alone and from the FTP
// window as a user starts them, each beside curl on the same server, in active and passive
// mode, against vsftpd (a fast server in C) and pyftpdlib (in Python, the tests' server). A
// 10 ms timer shows whether the event loop keeps answering meanwhile.
#include "benchreport.h"
#include "editor/editform.h"
#include "ftp/conform.h"
#include "ftp/dirform.h"
#include "ftp/ftpconnections.h"
#include "ftp/ftpform.h"
#include "ftp/ftptransferoptions.h"
#include "ftp/nmftp.h"
#include "ftpserverprocess.h"
#include "scriptedprompts.h"
#include "settings/settings.h"
#include "shell/mainform.h"
#include "transferload.h"
#include "vsftpdprocess.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <array>
#include <cstdio>
#include <functional>

namespace {

using namespace transferload;

constexpr int Runs = 7;
constexpr double TargetRatio = 0.9;
constexpr double TargetGapMs = 50;
const QString Source = QStringLiteral("source.bin");

struct Server
{
    QString name;
    quint16 port = 0;
    QString user;
    QString password;
    QString root;
};

enum Runner { Curl, Client, Window, RunnerCount };
enum Direction { Up, Down };

double secondsSince(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e9;
}

// Seconds for one curl run (log in, one transfer, log out), or a negative value when it failed.
double curlSeconds(const Server &server, bool passive, Direction direction, const QString &local)
{
    const QString url = QStringLiteral("ftp://%1:%2@127.0.0.1:%3/").arg(server.user, server.password).arg(server.port);
    const QStringList mode = passive ? QStringList{"--ftp-pasv"} : QStringList{"-P", "127.0.0.1"};
    const QStringList transfer = direction == Up ? QStringList{"-T", local, url + QStringLiteral("up-curl.bin")}
                                                 : QStringList{"-o", local, url + Source};
    QProcess curl;
    QElapsedTimer clock;
    clock.start();
    curl.start(QStringLiteral("curl"), QStringList{"-s", "-S", "--noproxy", "*"} + mode + transfer);
    if (!curl.waitForFinished(-1) || curl.exitCode() != 0) {
        std::fprintf(stderr, "curl failed: %s\n", curl.readAllStandardError().constData());
        return -1;
    }
    return secondsSince(clock);
}

// Seconds for a session of the client alone, as curl's run is.
double clientSeconds(const Server &server, bool passive, Direction direction, const QString &local)
{
    QElapsedTimer clock;
    clock.start();
    try {
        TNMFTP ftp;
        ftp.Host = QStringLiteral("127.0.0.1");
        ftp.Port = server.port;
        ftp.UserID = server.user;
        ftp.Password = server.password;
        ftp.Mode = passive ? TNMFTP::TransferMode::Passive : TNMFTP::TransferMode::Active;
        ftp.Connect();
        ftp.SetTransferType(2);
        if (direction == Up)
            ftp.PutFile(local, QStringLiteral("up-client.bin"));
        else
            ftp.FetchFile(Source, local);
        ftp.Disconnect();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "client transfer failed: %s\n", error.what());
        return -1;
    }
    return secondsSince(clock);
}

// The program's main window with its FTP window, answered as a user would.
class WindowSession
{
public:
    WindowSession()
    {
        m_main.FormCreate();
        const QString page = m_pages.filePath(QStringLiteral("page.html"));
        QFile file(page);
        if (file.open(QIODevice::WriteOnly))
            file.write("<p>");
        file.close();
        // Uploading starts from a saved document.
        m_main.openDocument(page);
    }

    ~WindowSession()
    {
        for (Teditform *editor : m_main.editors())
            editor->closeWithoutQuery();
    }

    void useServer(const Server &server, bool passive)
    {
        settings().AntCon = 1;
        settings().Ftp[0] = {QStringLiteral("127.0.0.1:%1").arg(server.port), server.user, server.password,
                             server.name};
        FtpTransferOptions options;
        options.mode = passive ? TNMFTP::TransferMode::Passive : TNMFTP::TransferMode::Active;
        FtpTransferStore::save(0, options);
    }

    // Seconds from Connect to the end of Disconnect, with one transfer between.
    double seconds(Direction direction, const QString &local)
    {
        m_main.action(direction == Up ? MainAction::UploadFile : MainAction::DownloadAndOpen)->trigger();
        Tftpform *form = m_main.ftpWindow();
        if (!form)
            return -1;
        QElapsedTimer clock;
        clock.start();
        m_prompts.answerDialog([](QDialog &d) { static_cast<Tconform &>(d).connectButton->click(); });
        form->connectButton->click();
        if (direction == Up) {
            m_prompts.answerOpen({local});
            form->uploadButton->click();
        } else {
            const QList<QTreeWidgetItem *> rows = form->fileList->findItems(Source, Qt::MatchExactly);
            if (rows.isEmpty())
                return -1;
            rows.first()->setSelected(true);
            const QString folder = QFileInfo(local).absolutePath();
            m_prompts.answerDialog([folder](QDialog &d) {
                auto &dirform = static_cast<Tdirform &>(d);
                dirform.folderEdit->setText(folder);
                dirform.okButton->click();
            });
            form->downloadButton->click();
        }
        form->disconnectButton->click();
        const double taken = secondsSince(clock);
        const bool clean = m_prompts.messages().size() == m_messages;
        m_messages = m_prompts.messages().size();
        form->closeButton->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!clean) {
            std::fprintf(stderr, "window transfer failed: %s\n", qPrintable(m_prompts.messageTexts().constLast()));
            return -1;
        }
        return taken;
    }

private:
    QTemporaryDir m_pages;
    ScriptedPrompts m_prompts;
    Tmainform m_main;
    qsizetype m_messages = 0;
};

// One server and mode: each run sets the client and the window against curl beside them, in
// an order that turns from run to run, and the middle ratio counts (the machine is shared).
bool measure(const Server &server, bool passive, const QString &source, const QTemporaryDir &local,
             WindowSession &window, double &longestGapMs)
{
    // The window saves under the server's name, in the folder the user chooses, and uploads
    // under the file's own name.
    const QString downloads[RunnerCount] = {local.filePath("curl.bin"), local.filePath("client.bin"),
                                            local.filePath(Source)};
    const QDir root(server.root);
    const QString uploads[RunnerCount] = {root.filePath("up-curl.bin"), root.filePath("up-client.bin"),
                                          root.filePath(QFileInfo(source).fileName())};
    std::array<std::array<QList<double>, 2>, RunnerCount> times;
    window.useServer(server, passive);
    for (int run = 0; run < Runs; ++run) {
        for (const Direction direction : {Up, Down}) {
            for (int k = 0; k < RunnerCount; ++k) {
                const auto runner = Runner((run + k) % RunnerCount);
                // Each transfer writes a new file: replacing one costs the file system time
                // that belongs to no one's transfer, and the window would ask first.
                const QString target = direction == Up ? uploads[runner] : downloads[runner];
                QFile::remove(target);
                const QString file = direction == Up ? source : target;
                double seconds = -1;
                if (runner == Curl) {
                    seconds = curlSeconds(server, passive, direction, file);
                } else {
                    TickWatch watch;
                    seconds = runner == Client ? clientSeconds(server, passive, direction, file)
                                               : window.seconds(direction, file);
                    longestGapMs = qMax(longestGapMs, watch.longestGapMs());
                }
                if (seconds <= 0)
                    return false;
                times[runner][direction] << seconds;
            }
        }
    }
    for (const QString &path : {uploads[Client], uploads[Window], downloads[Client], downloads[Window]}) {
        if (QFileInfo(path).size() != FileSize) {
            std::fprintf(stderr, "%s has the wrong size\n", qPrintable(path));
            return false;
        }
    }

    const QString prefix = QStringLiteral("ftp %1 %2 ").arg(server.name, passive ? "passive" : "active");
    for (const Direction direction : {Up, Down}) {
        const QString what = prefix + (direction == Up ? QStringLiteral("upload") : QStringLiteral("download"));
        const QList<double> &curl = times[Curl][direction];
        bench::report(what + QStringLiteral(", curl"), megabytesPerSecond(median(curl)), QStringLiteral("MB/s"));
        for (const Runner runner : {Client, Window}) {
            QList<double> ratios;
            for (int run = 0; run < Runs; ++run)
                ratios << curl.at(run) / times[runner][direction].at(run);
            const double ratio = median(ratios);
            const QString who = runner == Client ? QStringLiteral(", client") : QStringLiteral(", window");
            bench::report(what + who, megabytesPerSecond(median(times[runner][direction])), QStringLiteral("MB/s"));
            bench::report(what + who + QStringLiteral(" to curl"), ratio, QString(), TargetRatio,
                          ratio >= TargetRatio ? QStringLiteral("met") : QStringLiteral("missed"));
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    bench::useTemporaryConfig(config.path());
    QApplication app(argc, argv);
    WindowSession window;
    QTemporaryDir local;
    const QString source = local.filePath(QStringLiteral("upload.bin"));
    if (!local.isValid() || !writeSourceFile(source)) {
        std::fprintf(stderr, "cannot write the test file\n");
        return 1;
    }

    QTemporaryDir fastRoot;
    QTemporaryDir pythonRoot;
    VsftpdProcess fast;
    FtpServerProcess python;
    const QString user = QStringLiteral("bench");
    const QString password = QStringLiteral("bench-pw");
    for (const QString &failure : {fast.start(fastRoot.path()), python.start(pythonRoot.path(), user, password)}) {
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(failure));
            return 1;
        }
    }
    const Server servers[] = {
        {QStringLiteral("vsftpd"), fast.port(), VsftpdProcess::user(), VsftpdProcess::password(), fastRoot.path()},
        {QStringLiteral("pyftpdlib"), python.port(), user, password, pythonRoot.path()},
    };

    double longestGapMs = 0;
    for (const Server &server : servers) {
        if (!QFile::copy(source, QDir(server.root).filePath(Source))) {
            std::fprintf(stderr, "cannot place the file to download\n");
            return 1;
        }
        for (const bool passive : {false, true}) {
            if (!measure(server, passive, source, local, window, longestGapMs))
                return 1;
        }
    }
    bench::report(QStringLiteral("ftp longest 10 ms timer gap during transfers"), longestGapMs, QStringLiteral("ms"),
                  TargetGapMs, longestGapMs < TargetGapMs ? QStringLiteral("met") : QStringLiteral("missed"));
    return 0;
}
