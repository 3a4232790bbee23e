#include "ftp/ftpform.h"

#include "editor/editform.h"
#include "editor/editorhost.h"
#include "ftp/conform.h"
#include "ftp/dirform.h"
#include "ftp/ftpconnections.h"
#include "ftp/ftpformtexts.h"
#include "ftp/ftplisting.h"
#include "ftp/nameform.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"
#include "ui/overridecursor.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int HelpTopic = 7100;
// At most about 20 progress updates a second.
constexpr int ProgressIntervalMs = 50;
constexpr int FileColumnWidths[] = {120, 90, 79};
constexpr int FolderColumnWidths[] = {70, 70};
constexpr int MemoHeight = 90;
constexpr int FolderPanelWidth = 160;

using Prompts::Button;

// Shows the window's boxes above it (it stays on top of the main window) with the normal
// cursor, and puts both back afterwards.
class PromptScope
{
public:
    explicit PromptScope(QWidget *window)
        : m_previous(Prompts::parentWindow())
    {
        Prompts::setParentWindow(window);
    }
    ~PromptScope() { Prompts::setParentWindow(m_previous); }
    PromptScope(const PromptScope &) = delete;
    PromptScope &operator=(const PromptScope &) = delete;

private:
    QWidget *m_previous;
    const OverrideCursor m_arrow{Qt::ArrowCursor};
};

QList<QIcon> fileIcons(const QStyle *style)
{
    static const struct {
        const char *theme;
        QStyle::StandardPixmap fallback;
    } icons[FtpListing::IconCount] = {
        {"text-plain", QStyle::SP_FileIcon},
        {"text-css", QStyle::SP_FileDialogContentsView},
        {"audio-x-generic", QStyle::SP_MediaVolume},
        {"text-x-script", QStyle::SP_FileDialogInfoView},
        {"text-html", QStyle::SP_FileDialogDetailedView},
        {"text-x-generic", QStyle::SP_FileIcon},
        {"image-x-generic", QStyle::SP_DesktopIcon},
        {"video-x-generic", QStyle::SP_MediaPlay},
        {"folder", QStyle::SP_DirIcon},
        {"go-up", QStyle::SP_FileDialogToParent},
    };
    QList<QIcon> list;
    for (const auto &icon : icons)
        list << QIcon::fromTheme(QLatin1String(icon.theme), style->standardIcon(icon.fallback));
    return list;
}

QTreeWidget *listView(QWidget *parent, const char *name, int columns)
{
    auto *view = named<QTreeWidget>(name, parent);
    view->setColumnCount(columns);
    view->setRootIsDecorated(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setIconSize(QSize(16, 16));
    return view;
}

// The widths were made for the English headers; a longer Danish or German one
// widens its column, and the list with it.
template<std::size_t N>
void fitColumns(QTreeWidget *view, const int (&designWidths)[N])
{
    int total = 0;
    for (int c = 0; c < int(N); ++c) {
        const int width = std::max(designWidths[c], view->header()->sectionSizeHint(c));
        view->setColumnWidth(c, width);
        total += width;
    }
    view->setFixedWidth(total + 24);
}

} // namespace

Tftpform::Tftpform(FtpMode mode, EditorWindows &windows, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_mode(mode)
    , m_windows(windows)
    , m_icons(fileIcons(style()))
{
    setObjectName(QStringLiteral("Tftpform"));
    setNameCaption(this, QStringLiteral("Markvale PRO FTP"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    m_remote = &folderFor(FtpProtocol::Ftp);
    ApplyCaptions();
}

Tftpform::~Tftpform() = default;

void Tftpform::buildControls()
{
    fileList = listView(this, "ListView1", 3);
    fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Grid lines; a styled item must name its selection colours too.
    fileList->setStyleSheet(QStringLiteral("QTreeView::item { border-right: 1px solid palette(mid); "
                                            "border-bottom: 1px solid palette(mid); } "
                                            "QTreeView::item:selected { background: palette(highlight); "
                                            "color: palette(highlighted-text); }"));

    folderList = listView(this, "ListView2", 2);
    folderList->setSelectionMode(QAbstractItemView::SingleSelection);
    folderList->setSortingEnabled(true);
    folderList->sortByColumn(0, Qt::AscendingOrder);

    connectButton = DialogHelpers::button(this, "connectbtn", "&Connect");
    disconnectButton = DialogHelpers::button(this, "disbtn", "D&isconnect");
    downloadButton = DialogHelpers::button(this, "downbtn", "&Download");
    uploadButton = DialogHelpers::button(this, "upbtn", "&Upload");
    createFolderButton = DialogHelpers::button(this, "createbtn", "C&reate dir");
    deleteFolderButton = DialogHelpers::button(this, "deldirbtn", "Dele&te dir");
    renameFolderButton = DialogHelpers::button(this, "rendirbtn", "R&ename dir");
    renameFileButton = DialogHelpers::button(this, "renbtn", "Rena&me file");
    deleteFilesButton = DialogHelpers::button(this, "delfilbtn", "Delete &file");
    cancelButton = DialogHelpers::button(this, "cancelbtn", "C&ancel");
    closeButton = DialogHelpers::button(this, "closebtn", "Cl&ose");
    helpButton = DialogHelpers::button(this, "helpbutton", "&Help");

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {connectButton, disconnectButton, downloadButton, uploadButton, createFolderButton,
                           deleteFolderButton, renameFolderButton, renameFileButton, deleteFilesButton, cancelButton,
                           closeButton, helpButton})
        buttons->addWidget(b);
    buttons->addStretch();

    auto *lists = new QHBoxLayout;
    lists->addWidget(fileList);
    lists->addWidget(folderList);
    lists->addLayout(buttons);

    auto *statusLabel = named<QLabel>("statuslabel", QStringLiteral("Status:"), this);
    statusLog = named<QPlainTextEdit>("Memo1", this);
    statusLog->setReadOnly(true);
    statusLog->setFixedHeight(MemoHeight);
    statusLabel->setBuddy(statusLog);

    statusBar = named<QStatusBar>("StatusBar1", this);
    statusBar->setSizeGripEnabled(false);
    folderPanel = new QLabel(statusBar);
    folderPanel->setMinimumWidth(FolderPanelWidth);
    progressPanel = new QLabel(statusBar);
    statusBar->addWidget(folderPanel);
    statusBar->addWidget(progressPanel, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addWidget(statusLabel);
    layout->addWidget(statusLog);
    layout->addWidget(statusBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    onClick(connectButton, &Tftpform::connectToServer);
    onClick(disconnectButton, &Tftpform::disconnectFromServer);
    onClick(downloadButton, &Tftpform::downloadFiles);
    onClick(uploadButton, &Tftpform::uploadFiles);
    onClick(createFolderButton, &Tftpform::createFolder);
    onClick(deleteFolderButton, &Tftpform::deleteFolder);
    onClick(renameFolderButton, &Tftpform::renameFolder);
    onClick(renameFileButton, &Tftpform::renameFile);
    onClick(deleteFilesButton, &Tftpform::deleteFiles);
    // Cancel must work while an operation waits.
    connect(cancelButton, &QPushButton::clicked, this, &Tftpform::cancelOperation);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(helpButton, &QPushButton::clicked, this, [] { DialogRunner::showHelp(HelpTopic); });
    connect(fileList, &QTreeWidget::itemSelectionChanged, this, &Tftpform::ButtonUpdate);
    connect(folderList, &QTreeWidget::itemSelectionChanged, this, &Tftpform::ButtonUpdate);
    connect(folderList, &QTreeWidget::itemDoubleClicked, this,
            [this] { runOperation(&Tftpform::openFolder); });
}

RemoteFolder &Tftpform::folderFor(FtpProtocol protocol)
{
    std::unique_ptr<RemoteFolder> &folder = m_folders.at(size_t(protocol));
    if (folder)
        return *folder;
    folder = RemoteFolder::create(protocol);
    folder->OnDisconnect = [this] { remoteDisconnected(); };
    folder->OnStatus = [this](const QString &status) { remoteStatus(status); };
    folder->OnConnectionFailed = [this] { remoteConnectionFailed(); };
    folder->OnProgress = [this] { remoteProgress(); };
    folder->OnError = [this](const QString &message) { remoteError(message); };
    folder->OnConnectionRequired = [this](bool &handled) { remoteConnectionRequired(handled); };
    folder->OnFailure = [this](bool &handled, TCmdType type) { remoteFailure(handled, type); };
    folder->OnSuccess = [this](TCmdType type) { remoteSuccess(type); };
    folder->OnPrompt = [this](const std::function<void()> &question) {
        const PromptScope scope(this);
        question();
    };
    return *folder;
}

void Tftpform::onClick(QPushButton *button, void (Tftpform::*handler)())
{
    connect(button, &QPushButton::clicked, this, [this, handler] { runOperation(handler); });
}

void Tftpform::runOperation(void (Tftpform::*handler)())
{
    // The client runs one operation at a time; a click that reaches the window while one
    // waits is not started.
    if (m_busy)
        return;
    m_busy = true;
    m_failed = false;
    m_stopped = false;
    try {
        const OverrideCursor busy;
        (this->*handler)();
    } catch (const std::exception &e) {
        m_failed = true;
        reportFailure(e);
    }
    m_busy = false;
    settle();
    if (m_closeRequested)
        QTimer::singleShot(0, this, &QWidget::close);
}

void Tftpform::reportFailure(const std::exception &e)
{
    // The memo keeps the technical text; the box says what happened in plain words.
    const QString technical = QString::fromUtf8(e.what());
    remoteStatus(technical);
    if (!m_closeRequested)
        ask(Prompts::Kind::Error, m_remote->errorText(e, settings().Lang), Button::Ok);
}

void Tftpform::checkStopped() const
{
    // Between two steps there is no wait for Cancel to end.
    if (m_stopped)
        throw EAbortError(QStringLiteral("Cancelled"));
}

void Tftpform::settle()
{
    const bool connected = m_remote->isConnected();
    createFolderButton->setEnabled(connected);
    disconnectButton->setEnabled(connected);
    // A failed login leaves only Close, as its message says.
    connectButton->setEnabled(!connected && !m_loginFailed);
    // After a failure or a cancel the user may give up and close the window.
    closeButton->setEnabled(m_failed || !connected);
    fileList->setEnabled(connected);
    folderList->setEnabled(connected);
    ButtonUpdate();
}

void Tftpform::setTimeOut(int ms)
{
    m_timeOut = ms;
}

void Tftpform::ApplyCaptions()
{
    const int lang = settings().Lang;
    applyCaptions(this, TftpformCaptions, lang);
    using namespace FtpTexts;
    fileList->setHeaderLabels({FileNameColumn.text(lang), SizeColumn.text(lang), LastModifiedColumn.text(lang)});
    folderList->setHeaderLabels({FolderColumn.text(lang), ModifiedColumn.text(lang)});
    fitColumns(fileList, FileColumnWidths);
    fitColumns(folderList, FolderColumnWidths);
}

Prompts::Button Tftpform::ask(Prompts::Kind kind, const QString &text, Prompts::Buttons buttons)
{
    const PromptScope scope(this);
    return Prompts::message(kind, text, buttons);
}

int Tftpform::runModal(QDialog &dialog)
{
    const PromptScope scope(this);
    return Prompts::runDialog(dialog);
}

void Tftpform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tftpform::closeEvent(QCloseEvent *event)
{
    // Deleting the client inside its own wait would pull the ground from under it: the
    // running operation is cancelled, and the window goes at once and closes for good once
    // the operation has ended.
    if (m_busy) {
        m_closeRequested = true;
        m_stopped = true;
        m_remote->abort();
        hide();
        event->ignore();
        return;
    }
    emit closed();
    QWidget::closeEvent(event);
}

void Tftpform::FormShow()
{
    ApplyCaptions();
    createFolderButton->setEnabled(false);
    ButtonUpdate();
    fileList->setEnabled(false);
    folderList->setEnabled(false);
    disconnectButton->setEnabled(false);
    connectButton->setFocus();
}

void Tftpform::ButtonUpdate()
{
    // Selection changes during an operation leave its buttons alone.
    if (m_busy)
        return;
    const int files = int(selectedFileNames().size());
    const bool download = m_mode == FtpMode::Download;
    uploadButton->setEnabled(!download);
    downloadButton->setEnabled(download && files > 0);
    renameFileButton->setEnabled(files == 1);
    deleteFilesButton->setEnabled(files > 0);
    const bool folder = selectedFolder() != nullptr;
    deleteFolderButton->setEnabled(folder);
    renameFolderButton->setEnabled(folder);
    cancelButton->setEnabled(false);
}

void Tftpform::disableForOperation()
{
    for (QPushButton *b : {closeButton, connectButton, createFolderButton, deleteFolderButton, deleteFilesButton,
                           disconnectButton, downloadButton, renameFileButton, renameFolderButton, uploadButton})
        b->setEnabled(false);
}

void Tftpform::startOperation()
{
    disableForOperation();
    cancelButton->setEnabled(true);
}

QStringList Tftpform::selectedFileNames() const
{
    QStringList names;
    for (int row = 0; row < fileList->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = fileList->topLevelItem(row);
        if (item->isSelected())
            names << item->text(0);
    }
    return names;
}

// The parent entry is a way up, not a folder to rename or delete.
QTreeWidgetItem *Tftpform::selectedFolder() const
{
    const QList<QTreeWidgetItem *> selected = folderList->selectedItems();
    if (selected.isEmpty() || selected.first()->text(0) == QLatin1String(FtpListing::ParentEntry))
        return nullptr;
    return selected.first();
}

bool Tftpform::remoteFileListed(const QString &name) const
{
    for (int row = 0; row < fileList->topLevelItemCount(); ++row) {
        if (fileList->topLevelItem(row)->text(0) == name)
            return true;
    }
    return false;
}

QTreeWidgetItem *Tftpform::addFolderRow(const QString &name, const QString &date, int icon)
{
    auto *item = new QTreeWidgetItem(folderList, {name, date});
    item->setIcon(0, m_icons.value(icon));
    item->setData(0, IconRole, icon);
    return item;
}

void Tftpform::Refresh()
{
    checkStopped();
    remoteConnected();
}

bool Tftpform::overwriteAllowed(const QString &path)
{
    if (m_overwriteNone)
        return false;
    if (m_overwriteAll)
        return true;
    const QString text = path + FtpTexts::OverwriteSuffix.text();
    switch (ask(Prompts::Kind::Warning, text, Button::Yes | Button::No | Button::NoToAll | Button::YesToAll)) {
    case Button::Yes:
        return true;
    case Button::YesToAll:
        m_overwriteAll = true;
        return true;
    case Button::NoToAll:
        m_overwriteNone = true;
        return false;
    default:
        return false;
    }
}

void Tftpform::connectToServer()
{
    Tconform chooser(this);
    runModal(chooser);
    if (!chooser.chosen())
        return;
    startOperation();
    m_loginFailed = false;
    m_remote = &folderFor(chooser.pending().options.protocol);
    m_remote->setConnection(chooser.pending(), m_timeOut);
    try {
        m_remote->connectToServer();
    } catch (const std::exception &e) {
        m_loginFailed = true;
        remoteStatus(QString::fromUtf8(e.what()));
        // The reason tells a refused encryption or certificate from a network failure.
        if (!m_closeRequested) {
            const int lang = settings().Lang;
            ask(Prompts::Kind::Error,
                FtpTexts::ConnectionFailed.text(lang) + QStringLiteral("\n\n") + m_remote->errorText(e, lang),
                Button::Ok);
        }
        return;
    }
    remoteConnected();
}

void Tftpform::disconnectFromServer()
{
    startOperation();
    fileList->clear();
    folderList->clear();
    m_remote->abort();
    m_remote->disconnectFromServer();
}

void Tftpform::downloadFiles()
{
    Tdirform dirform(this);
    if (runModal(dirform) == QDialog::Accepted) {
        const QString folder = dirform.folder();
        startOperation();
        m_overwriteAll = false;
        m_overwriteNone = false;
        m_downloadedPaths.clear();
        m_finished = 0;
        const QStringList names = selectedFileNames();
        for (const QString &name : names) {
            checkStopped();
            // A listed name is the server's word; it must not reach outside the chosen folder.
            if (!FtpListing::isSafeLocalName(name)) {
                ask(Prompts::Kind::Error, FtpTexts::UnsafeName.text().arg(name), Button::Ok);
                continue;
            }
            const QString path = folder + name;
            // A skipped file's local copy is opened as if it had just been fetched.
            if (QFileInfo::exists(path) && !overwriteAllowed(path)) {
                m_downloadedPaths << path;
                continue;
            }
            const int before = m_finished;
            m_remote->fetchFile(name, path);
            if (m_finished > before)
                m_downloadedPaths << path;
        }
        for (const QString &path : std::as_const(m_downloadedPaths)) {
            if (FtpListing::opensInEditor(path))
                m_windows.openDocument(path);
        }
    }
}

void Tftpform::uploadFiles()
{
    Prompts::FileDialog dialog;
    dialog.title = FtpTexts::OpenTitle.text();
    dialog.filter = FtpTexts::OpenFilter.text();
    if (const Teditform *editor = m_windows.activeEditor(); editor && editor->document().isNamed()) {
        const QFileInfo file(editor->document().fileName());
        dialog.directory = file.absolutePath();
        dialog.fileName = file.fileName();
    }
    m_overwriteAll = false;
    m_overwriteNone = false;
    Prompts::FileResult chosen;
    {
        const PromptScope scope(this);
        chosen = Prompts::openFiles(dialog);
    }
    if (!chosen.accepted())
        return;
    // Connect first, so that the remote names are known before anything is overwritten.
    if (!m_remote->isConnected()) {
        connectToServer();
        if (!m_remote->isConnected())
            return;
    }
    startOperation();
    for (const QString &path : std::as_const(chosen.paths)) {
        checkStopped();
        const QString name = QFileInfo(path).fileName();
        if (remoteFileListed(name) && !overwriteAllowed(path))
            continue;
        try {
            m_remote->putFile(path, name);
        } catch (const std::exception &) {
            // What arrived stays on the server under the real name; the list shows it.
            remoteStatus(FtpTexts::UploadBrokenOff.text().arg(name));
            if (m_remote->isConnected()) {
                try {
                    remoteConnected();
                } catch (const std::exception &listing) {
                    remoteStatus(QString::fromUtf8(listing.what()));
                }
            }
            throw;
        }
    }
    Refresh();
}

void Tftpform::createFolder()
{
    Tnewdirform dialog(this);
    if (runModal(dialog) != QDialog::Accepted)
        return;
    startOperation();
    m_remote->makeFolder(dialog.name());
    Refresh();
}

void Tftpform::deleteFolder()
{
    const QTreeWidgetItem *folder = selectedFolder();
    if (!folder)
        return;
    const QString name = folder->text(0);
    if (ask(Prompts::Kind::Warning, FtpTexts::DeleteConfirmation.text(), Button::Yes | Button::No)
        != Button::Yes)
        return;
    startOperation();
    m_remote->removeFolder(name);
    Refresh();
}

void Tftpform::deleteFiles()
{
    const QStringList names = selectedFileNames();
    if (names.isEmpty())
        return;
    if (ask(Prompts::Kind::Warning, FtpTexts::DeleteConfirmation.text(), Button::Yes | Button::No)
        != Button::Yes)
        return;
    startOperation();
    // A refused name does not stop the others; the refusals are reported together.
    QStringList refused;
    {
        const QScopedValueRollback<bool> collecting(m_collectRefusals, true);
        for (const QString &name : names) {
            checkStopped();
            try {
                m_remote->removeFile(name);
            } catch (const std::exception &error) {
                const std::optional<QString> reason = m_remote->refusalOf(error);
                if (!reason)
                    throw;
                refused << QStringLiteral("%1: %2").arg(name, *reason);
            }
        }
    }
    if (!refused.isEmpty()) {
        m_failed = true;
        ask(Prompts::Kind::Error, FtpTexts::NotDeleted.text() + QLatin1Char('\n') + refused.join(QLatin1Char('\n')),
            Button::Ok);
    }
    Refresh();
}

void Tftpform::renameFile()
{
    const QStringList names = selectedFileNames();
    if (names.size() == 1)
        renameEntry(names.first());
}

void Tftpform::renameFolder()
{
    if (const QTreeWidgetItem *folder = selectedFolder())
        renameEntry(folder->text(0));
}

void Tftpform::renameEntry(const QString &oldName)
{
    Tfileform dialog(this);
    if (runModal(dialog) != QDialog::Accepted)
        return;
    startOperation();
    m_remote->rename(oldName, dialog.name());
    Refresh();
}

void Tftpform::cancelOperation()
{
    // The running operation ends with its failure, after which the buttons are set anew.
    m_stopped = true;
    cancelButton->setEnabled(false);
    m_remote->abort();
}

void Tftpform::openFolder()
{
    const QList<QTreeWidgetItem *> selected = folderList->selectedItems();
    if (selected.isEmpty())
        return;
    startOperation();
    m_remote->changeFolder(selected.first()->text(0));
    Refresh();
}

void Tftpform::remoteConnected()
{
    const OverrideCursor busy;
    fileList->clear();
    folderList->clear();
    progressPanel->clear();
    fileList->setEnabled(true);
    folderList->setEnabled(true);
    const QList<RemoteFolder::Entry> entries = m_remote->list();
    if (m_remote->listingCut())
        remoteStatus(FtpTexts::ListingCut.text().arg(entries.size()));
    m_folder = m_remote->workingFolder();
    folderPanel->setText(m_folder);
    // Wherever the server starts, the user can go up.
    if (m_folder != QLatin1String("/"))
        addFolderRow(QLatin1String(FtpListing::ParentEntry), QString(), FtpListing::ParentIcon);

    int files = 0;
    qint64 total = 0;
    for (const RemoteFolder::Entry &entry : entries) {
        if (entry.folder) {
            addFolderRow(entry.name, entry.date, FtpListing::FolderIcon);
            continue;
        }
        const FtpListing::Icon icon = FtpListing::iconOf(entry.name);
        auto *item = new QTreeWidgetItem(fileList,
                                         {entry.name, FtpListing::sizeText(entry.size, settings().Lang), entry.date});
        item->setIcon(0, m_icons.value(icon));
        item->setData(0, IconRole, int(icon));
        ++files;
        total += entry.size;
    }
    progressPanel->setText(FtpListing::summaryText(files, total, settings().Lang));
}

void Tftpform::remoteDisconnected()
{
    // The rows belong to a connection that is gone; the next one lists afresh.
    fileList->clear();
    folderList->clear();
    fileList->setEnabled(false);
    folderList->setEnabled(false);
    // While an operation runs, its end sets the buttons.
    if (!m_busy) {
        connectButton->setEnabled(true);
        FormShow();
    }
}

void Tftpform::remoteStatus(const QString &status)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]+"));
    const QStringList lines = status.split(lineBreaks, Qt::SkipEmptyParts);
    for (const QString &line : lines)
        statusLog->appendPlainText(line);
}

void Tftpform::remoteConnectionFailed()
{
    // Only while no operation runs; otherwise its end sets the buttons.
    if (m_busy)
        return;
    connectButton->setEnabled(true);
    closeButton->setEnabled(true);
    disconnectButton->setEnabled(false);
}

void Tftpform::remoteProgress()
{
    // Drawing every piece that moves would cost the transfer its speed.
    if (m_progressShown.isValid() && m_progressShown.elapsed() < ProgressIntervalMs)
        return;
    m_progressShown.start();
    progressPanel->setText(FtpListing::progressText(m_remote->bytesDone(), m_remote->transferSize()));
}

void Tftpform::remoteError(const QString &message)
{
    ask(Prompts::Kind::Error, message, Button::Ok);
}

void Tftpform::remoteConnectionRequired(bool &handled)
{
    handled = true;
    connectToServer();
}

void Tftpform::remoteFailure(bool &handled, TCmdType type)
{
    // Left unhandled, the refusal reaches the operation that collects them.
    if (m_collectRefusals)
        return;
    // The buttons stay as they are until the operation has ended: Cancel still works.
    m_failed = true;
    if (!m_closeRequested)
        ask(Prompts::Kind::Error, FtpTexts::failureText(type, settings().Lang), Button::Ok);
    handled = true;
}

void Tftpform::remoteSuccess(TCmdType type)
{
    if (type == TCmdType::Download)
        ++m_finished;
}
