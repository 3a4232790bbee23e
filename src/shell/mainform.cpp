#include "shell/mainform.h"

#include "colormemo/colormemo.h"
#include "editor/dialogrunner.h"
#include "editor/editform.h"
#include "editor/statuspanel.h"
#include "ftp/ftpform.h"
#include "platform/desktop.h"
#include "platform/helpviewer.h"
#include "platform/prompts.h"
#include "platform/toolkitlanguage.h"
#include "project/projectform.h"
#include "search/searchcommands.h"
#include "settings/captiontable.h"
#include "settings/language.h"
#include "settings/recentfiles.h"
#include "settings/regops.h"
#include "settings/settings.h"
#include "settings/sharedtexts.h"
#include "shell/aboutbox.h"
#include "shell/configform.h"
#include "shell/filebrowser.h"
#include "shell/langform.h"
#include "shell/logo.h"
#include "shell/mainformtexts.h"
#include "shell/toolicons.h"
#include "spell/spellcheck.h"
#include "wizards/wizardcommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace {

const char *const UpdatesAddress = "https://markvale.example.com/updates";
const char *const BugReportAddress = "mailto:bugs@markvale.example.com?subject=Markvale%20PRO%20bug%20report";
const char *const OutsideSiteName = "W3C &Validator";
const char *const OutsideSiteAddress = "https://validator.w3.org/";

constexpr int PanelWidths[] = {240, 66, 58, 65, 300};
constexpr int FileBrowserWidth = 125;
// Longer paths in the Reopen menu lose their middle.
constexpr int RecentWidthInChars = 60;

struct ToolButton
{
    const char *name;
    const char *icon; // of the program's own set
    const char *hint;
    bool separatorAfter;
};

const ToolButton ToolButtons[] = {
    {"newbutton", "new", "Creates new HTML file", false},
    {"openbutton", "open", "Opens existing file", false},
    {"savebutton", "save", "Saves the document", false},
    {"saveasbutton", "saveas", "Saves the document under a new name", false},
    {"saveallbutton", "saveall", "Saves document(s) in all opened editing windows", true},
    {"closebutton", "close", "Closes the active editing window", false},
    {"closeallbutton", "closeall", "Closes all opened editing windows", true},
    {"insertbutton", "insert", "Allows insertion of text file in document", false},
    {"insertfrombutton", "insertfrom", "Inserts portion of text file in document", true},
    {"printbutton", "print", "Prints document in active editing window", true},
    {"searchbutton", "search", "Search for text in document(s)", false},
    {"replacebutton", "replace", "Replace text in document(s)", true},
    {"undobutton", "undo", "Undoes the last change to the document", false},
    {"redobutton", "redo", "Undo the last undo operation", true},
    {"tilebutton", "tile", "Tiles all opened editing windows", false},
    {"cascadebutton", "cascade", "Arranges all opened editing windows in cascade style", true},
    {"downloadbutton", "download", "Opens the connection window for a download", false},
    {"uploadbutton", "upload", "Uploads document via FTP", true},
    {"configbutton", "configure", "Opens the configuration window", false},
    {"helpbutton", "help", "Opens the Help System", true},
    {"exitbutton", "exit", "Closes the program", false},
};

const char *const DocumentButtons[] = {
    "savebutton",   "saveasbutton", "saveallbutton", "closebutton",  "closeallbutton",
    "printbutton",  "insertbutton", "insertfrombutton", "undobutton", "redobutton",
    "searchbutton", "replacebutton", "tilebutton",   "cascadebutton", "uploadbutton",
};

const char *commandName(HostCommand command)
{
    switch (command) {
    case HostCommand::savebutton: return "savebutton";
    case HostCommand::saveasbutton: return "saveasbutton";
    case HostCommand::saveallbutton: return "saveallbutton";
    case HostCommand::closebutton: return "closebutton";
    case HostCommand::closeallbutton: return "closeallbutton";
    case HostCommand::printbutton: return "printbutton";
    case HostCommand::insertbutton: return "insertbutton";
    case HostCommand::insertfrombutton: return "insertfrombutton";
    case HostCommand::undobutton: return "undobutton";
    case HostCommand::redobutton: return "redobutton";
    case HostCommand::searchbutton: return "searchbutton";
    case HostCommand::replacebutton: return "replacebutton";
    case HostCommand::tilebutton: return "tilebutton";
    case HostCommand::cascadebutton: return "cascadebutton";
    case HostCommand::uploadbutton: return "uploadbutton";
    case HostCommand::uploadfile: return "uploadfile";
    case HostCommand::Frames1: return "Frames1";
    case HostCommand::Createregfile1: return "Createregfile1";
    case HostCommand::Installregfile1: return "Installregfile1";
    case HostCommand::configbutton: return "configbutton";
    }
    return "";
}

QString canonical(const QString &path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? QFileInfo(path).absoluteFilePath() : resolved;
}

} // namespace

Tmainform::Tmainform(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("mainform"));
    setNameCaption(this, QStringLiteral("Markvale PRO"));
    setWindowIcon(QIcon(markvaleLogo(64)));
    setMinimumSize(578, 200);
    setAcceptDrops(true);

    m_mdi = new QMdiArea(this);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->viewport()->setMouseTracking(true);
    m_mdi->viewport()->installEventFilter(this);
    Panel1 = new TFileBrowser(this);
    Panel1->hide();
    m_splitter = new QSplitter(this);
    m_splitter->addWidget(Panel1);
    m_splitter->addWidget(m_mdi);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);

    buildActions();
    buildToolBar();
    buildMenus();
    buildStatusBar();

    connect(m_mdi, &QMdiArea::subWindowActivated, this, &Tmainform::subWindowActivated);
    connect(Panel1, &TFileBrowser::openRequested, this, &Tmainform::openFromFileList);
    connect(Panel1, &TFileBrowser::driveError, this, [] {
        Prompts::message(Prompts::Kind::Error, SharedTexts::DriveError.text(),
                         Prompts::Button::Ok | Prompts::Button::Help, 3300);
    });
    // The Help buttons of the editor's and the wizards' dialogs.
    DialogRunner::setHelpHandler([](int topic) { Help::showHelp(topic); });
}

QAction *Tmainform::action(const char *name) const
{
    return findChild<QAction *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void Tmainform::buildActions()
{
    for (const ToolButton &b : ToolButtons) {
        auto *a = new QAction(this);
        a->setObjectName(QLatin1String(b.name));
        a->setIcon(toolIcon(QLatin1String(b.icon)));
        a->setText(QString::fromUtf8(b.hint));
        a->setStatusTip(QString::fromUtf8(b.hint));
        a->setToolTip(QString::fromUtf8(b.hint));
    }
    auto on = [this](const char *name, auto slot) { connect(action(name), &QAction::triggered, this, slot); };
    auto onEditor = [this](const char *name, void (Teditform::*command)()) {
        connect(action(name), &QAction::triggered, this, [this, command] {
            if (Teditform *editor = activeEditor())
                (editor->*command)();
        });
    };
    on("newbutton", &Tmainform::newHtmlDocument);
    on("openbutton", &Tmainform::openDocuments);
    onEditor("savebutton", &Teditform::Save1Click);
    onEditor("saveasbutton", &Teditform::saveasClick);
    on("saveallbutton", &Tmainform::saveAll);
    on("closebutton", [this] {
        if (Teditform *editor = activeEditor())
            editor->close();
    });
    onEditor("closeallbutton", &Teditform::Closeall1Click);
    onEditor("insertbutton", &Teditform::Insertfrom1Click);
    onEditor("printbutton", &Teditform::Printersetup1Click);
    on("searchbutton", &Tmainform::search);
    on("replacebutton", &Tmainform::replace);
    onEditor("undobutton", &Teditform::Undolasttag1Click);
    onEditor("redobutton", &Teditform::Undoundo1Click);
    on("tilebutton", &Tmainform::tileWindows);
    on("cascadebutton", &Tmainform::cascadeWindows);
    on("configbutton", &Tmainform::C1Click);
    on("downloadbutton", [this] { openFtpWindow(FtpMode::Download); });
    on("uploadbutton", [this] { openFtpWindow(FtpMode::Upload); });
    on("exitbutton", &Tmainform::exitProgram);
    on("helpbutton", [] { Help::showContents(); });
}

void Tmainform::buildToolBar()
{
    ToolBar1 = new QToolBar(QStringLiteral("Tool bar"), this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    markNotCaptioned(ToolBar1->toggleViewAction()); // shows the tool bar's own caption
    ToolBar1->setMovable(true);
    ToolBar1->setFloatable(true);
    ToolBar1->setAllowedAreas(Qt::AllToolBarAreas);
    ToolBar1->setIconSize(QSize(22, 22));
    for (const ToolButton &b : ToolButtons) {
        ToolBar1->addAction(action(b.name));
        if (b.separatorAfter)
            ToolBar1->addSeparator();
    }
    addToolBar(Qt::TopToolBarArea, ToolBar1);
}

void Tmainform::buildMenus()
{
    // Every named menu and item is a direct child of the window, so the
    // caption table finds the window's own before an editor's namesakes.
    auto menu = [this](const char *name, const char *caption) {
        auto *m = new QMenu(QString::fromUtf8(caption), this);
        m->setObjectName(QLatin1String(name));
        return m;
    };
    auto item = [this](QMenu *into, const char *name, const char *caption, const char *shortcut) {
        auto *a = new QAction(QString::fromUtf8(caption), this);
        a->setObjectName(QLatin1String(name));
        if (*shortcut)
            a->setShortcut(QKeySequence(QLatin1String(shortcut)));
        into->addAction(a);
        return a;
    };

    QMenu *File1 = menu("File1", "&File");
    QMenu *New1 = menu("New1", "&New");
    connect(item(New1, "HTML1", "&HTML file", "Shift+Ctrl+Alt+H"), &QAction::triggered, this,
            &Tmainform::newHtmlDocument);
    connect(item(New1, "Blank1", "&Blank", "Shift+Ctrl+Alt+B"), &QAction::triggered, this,
            &Tmainform::newBlankDocument);
    File1->addMenu(New1);
    connect(item(File1, "Open1", "&Open", "Shift+Ctrl+Alt+O"), &QAction::triggered, this,
            &Tmainform::openDocuments);
    QMenu *Reopen1 = menu("Reopen1", "&Reopen");
    File1->addMenu(Reopen1);
    connect(File1, &QMenu::aboutToShow, this, [this, Reopen1] { fillReopenMenu(Reopen1); });
    File1->addSeparator();
    connect(item(File1, "Exit1", "E&xit", "Shift+Ctrl+Alt+X"), &QAction::triggered, this,
            &Tmainform::exitProgram);

    QMenu *View1 = menu("View1", "&View");
    connect(item(View1, "Toolbar2", "&Tool bar", "Shift+Alt+T"), &QAction::triggered, this,
            &Tmainform::toggleToolBar);
    connect(item(View1, "Statusbar2", "&Status bar", "Shift+Alt+S"), &QAction::triggered, this,
            &Tmainform::toggleStatusBar);
    connect(item(View1, "Filelist1", "&File list", "Shift+Alt+F"), &QAction::triggered, this,
            &Tmainform::toggleFileList);
    View1->addSeparator();
    connect(item(View1, "Colorcoding1", "&Color coding", "Shift+Alt+C"), &QAction::triggered, this,
            &Tmainform::Colorcoding1Click);
    for (const char *name : {"Toolbar2", "Statusbar2", "Filelist1", "Colorcoding1"})
        action(name)->setCheckable(true);
    // An editor's View menu stands in for this one but has no Color coding:
    // its key stays with the window.
    addAction(action("Colorcoding1"));
    action("Toolbar2")->setChecked(true);
    action("Statusbar2")->setChecked(true);
    action("Colorcoding1")->setChecked(true);

    QMenu *Wizards1 = menu("Wizards1", "Wi&zards");
    connect(item(Wizards1, "Frames1", "&Frames wizard", "Ctrl+F"), &QAction::triggered, this,
            [this] { FramesWizard(*this); });
    connect(item(Wizards1, "Imagemap1", "&Image map wizard", "Ctrl+I"), &QAction::triggered, this,
            [this] { ImageMapWizard(*this); });
    connect(item(Wizards1, "Projectcontrol1", "&Project control", "Ctrl+P"), &QAction::triggered, this,
            &Tmainform::Projectcontrol1Click);
    connect(item(Wizards1, "Addfiletoproject1", "   &Add file to project", "Ctrl+A"), &QAction::triggered,
            this, &Tmainform::Addfiletoproject1Click);
    connect(item(Wizards1, "Focuseditor1", "   Focus &editor", "Ctrl+E"), &QAction::triggered, this, [this] {
        activateWindow();
        if (Teditform *editor = activeEditor())
            editor->cmemo1->setFocus();
    });
    connect(item(Wizards1, "toggleproject1", "   Focus &project", "Ctrl+P"), &QAction::triggered, this, [this] {
        if (m_project)
            m_project->focusFiles();
    });
    showProjectCommands(false);
    Wizards1->addSeparator();
    connect(item(Wizards1, "uploadfile", "&Upload file", "Alt+Up"), &QAction::triggered, this,
            [this] { openFtpWindow(FtpMode::Upload); });
    connect(item(Wizards1, "Downloadandopen1", "&Download and open file", "Alt+Down"), &QAction::triggered, this,
            [this] { openFtpWindow(FtpMode::Download); });
    Wizards1->addSeparator();
    connect(item(Wizards1, "Createregfile1", "&Save configuration", "Ctrl+Alt+S"), &QAction::triggered,
            this, &Tmainform::Createregfile1Click);
    connect(item(Wizards1, "Installregfile1", "&Load configuration", "Ctrl+Alt+L"), &QAction::triggered,
            this, &Tmainform::Installregfile1Click);

    QMenu *Help1 = menu("Help1", "&Help");
    connect(item(Help1, "HelpWindow1", "&Help window", "Ctrl+H"), &QAction::triggered, this,
            [] { Help::showContents(); });
    connect(item(Help1, "About1", "&About the editor", ""), &QAction::triggered, this,
            &Tmainform::About1Click);
    connect(item(Help1, "C1", "&Configuration", "Ctrl+W"), &QAction::triggered, this, &Tmainform::C1Click);
    connect(item(Help1, "Updatesnews1", "&Updates and news", "Ctrl+U"), &QAction::triggered, this,
            [this] { openUrl(QUrl(QLatin1String(UpdatesAddress))); });
    Help1->addSeparator();
    connect(item(Help1, "Sendbugreport1", "&Send bug report", "Shift+Ctrl+B"), &QAction::triggered, this,
            [this] { openUrl(QUrl(QLatin1String(BugReportAddress))); });
    Help1->addSeparator();
    QAction *outsideSite = item(Help1, "Outsidesite1", OutsideSiteName, "Shift+Ctrl+T");
    markNotCaptioned(outsideSite); // a site's name
    connect(outsideSite, &QAction::triggered, this, [this] { openUrl(QUrl(QLatin1String(OutsideSiteAddress))); });

    m_ownMenus = {File1, View1, Wizards1, Help1};
    rebuildMenuBar();
}

void Tmainform::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int width : PanelWidths) {
        // The hint and file-name panels give way first.
        const bool flexible = m_panels.isEmpty() || m_panels.size() == 4;
        auto *panel = new StatusPanel(width, flexible ? StatusPanel::Flexible : StatusPanel::Fixed, bar);
        bar->addWidget(panel);
        m_panels << panel;
    }
}

QList<QKeySequence> Tmainform::hostShortcuts() const
{
    QList<QKeySequence> keys;
    const QList<QAction *> all = findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly);
    for (QAction *a : all)
        keys << a->shortcuts();
    return keys;
}

void Tmainform::FormCreate()
{
    setWindowState(windowState() | Qt::WindowMaximized);
    LoadSettings();
    SaveSettings();
    if (settings().Lang == NoLanguage) {
        Tlangform chooser;
        chooser.move(screen()->availableGeometry().center() - chooser.rect().center());
        Prompts::runDialog(chooser);
    }
    m_ftpWindowOpen = false;
    ApplyCaptions();
    if (const QString problem = foreignStoreMessage(); !problem.isEmpty())
        Prompts::message(Prompts::Kind::Warning, problem);
    ReadOrInstallTagTemplates([](const QString &text) {
        Prompts::message(Prompts::Kind::Information, text);
    });
    m_editorCount = 0;
    enterNoDocumentState();
    m_closingAll = false;
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            autoSaveAll();
    });
}

void Tmainform::enterNoDocumentState()
{
    for (const char *name : DocumentButtons)
        action(name)->setEnabled(false);
    action("Frames1")->setEnabled(true);
    action("uploadfile")->setEnabled(false);
    action("Createregfile1")->setEnabled(true);
    action("Installregfile1")->setEnabled(true);
    showProjectCommands(m_project != nullptr);
}

void Tmainform::showProjectCommands(bool projectOpen)
{
    // Ctrl+P opens the project window, or focuses it while it is open.
    for (const char *name : {"Addfiletoproject1", "Focuseditor1", "toggleproject1"}) {
        action(name)->setVisible(projectOpen);
        action(name)->setEnabled(projectOpen);
    }
    action("Projectcontrol1")->setVisible(!projectOpen);
    action("Projectcontrol1")->setShortcut(projectOpen ? QKeySequence() : QKeySequence(QStringLiteral("Ctrl+P")));
}

void Tmainform::Projectcontrol1Click()
{
    m_project = new Tprojectform(*this, this);
    connect(m_project, &Tprojectform::closed, this, [this] { showProjectCommands(false); });
    showProjectCommands(true);
    m_project->show();
}

Tprojectform *Tmainform::projectWindow() const
{
    return m_project;
}

void Tmainform::Addfiletoproject1Click()
{
    // Only a document with a file of its own can join a project.
    Teditform *editor = activeEditor();
    if (m_project && m_editorCount > 0 && editor && editor->isNamed())
        m_project->addFile(editor->FileName());
}

void Tmainform::ApplyCaptions()
{
    const int lang = settings().Lang;
    const QString folder = lang == Danish   ? QStringLiteral("da")
                           : lang == German ? QStringLiteral("de")
                                            : QStringLiteral("en");
    Help::setLanguage(folder);
    Help::setCaptioner([](QWidget *help) { applyCaptions(help, HelpCaptions, settings().Lang); });
    ToolkitLanguage::set(folder);
    applyCaptions(this, {&MainCaptions, &MainHints}, lang);
    for (const ToolButton &b : ToolButtons)
        action(b.name)->setText(action(b.name)->statusTip());
    sizeStatusPanels();
    refreshStatus();
}

void Tmainform::sizeStatusPanels()
{
    // The longest each panel shows: a document at the size limit, the
    // modified mark and a three-figure window count in this language.
    m_panels.at(1)->setLongestTexts({SharedTexts::ByteCount.text().arg(999999999)});
    m_panels.at(2)->setLongestTexts({SharedTexts::ModifiedText.text()});
    m_panels.at(3)->setLongestTexts({QStringLiteral("999 ") + SharedTexts::WindowsText.text()});
}

void Tmainform::refreshStatus()
{
    // Texts of the status bar follow a language change and an autosave at once.
    if (Teditform *editor = activeEditor())
        editor->ShowDocumentStatus();
    else if (!statusText(3).isEmpty())
        setStatusText(3, QStringLiteral("0 ") + SharedTexts::WindowsText.text());
}

void Tmainform::setStatusText(int panel, const QString &text)
{
    if (panel >= 0 && panel < m_panels.size())
        m_panels.at(panel)->showText(text);
}

QString Tmainform::statusText(int panel) const
{
    return panel >= 0 && panel < m_panels.size() ? m_panels.at(panel)->text() : QString();
}

void Tmainform::setCommandEnabled(HostCommand command, bool enabled)
{
    if (QAction *a = action(commandName(command)))
        a->setEnabled(enabled);
}

QList<Teditform *> Tmainform::editors() const
{
    QList<Teditform *> result;
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *window : windows) {
        if (auto *editor = qobject_cast<Teditform *>(window))
            result << editor;
    }
    return result;
}

QList<Teditform *> Tmainform::editorsFromActive() const
{
    QList<Teditform *> all = editors();
    const qsizetype at = all.indexOf(activeEditor());
    if (at > 0)
        std::rotate(all.begin(), all.begin() + at, all.end());
    return all;
}

Teditform *Tmainform::activeEditor() const
{
    // The area reports no window while the focus is elsewhere; the one
    // activated last is still the one in front.
    return m_activated.isEmpty() ? nullptr : m_activated.constLast();
}

void Tmainform::editorClosing(Teditform *editor)
{
    // As in every editor with several documents, the one used before takes
    // over, not the one opened first.
    const bool wasActive = activeEditor() == editor;
    m_activated.removeAll(editor);
    if (wasActive && !m_activated.isEmpty())
        m_mdi->setActiveSubWindow(m_activated.constLast());
}

void Tmainform::activateEditor(Teditform *editor)
{
    m_mdi->setActiveSubWindow(editor);
}

Teditform *Tmainform::openDocument(const QString &name)
{
    ++m_editorCount;
    auto *editor = new Teditform(this);
    // A file that cannot be read never joins the area, so the window in
    // front stays there.
    if (!editor->LoadDocument(name)) {
        --m_editorCount;
        delete editor;
        return nullptr;
    }
    connect(editor, &QObject::destroyed, this, [this, editor] { m_activated.removeAll(editor); });
    m_mdi->addSubWindow(editor);
    editor->setWindowIcon(windowIcon());
    editor->showMaximized();
    m_mdi->setActiveSubWindow(editor);
    editor->ShowCaretPosition();
    if (editor->isNamed())
        rememberFile(editor->FileName());
    return editor;
}

Teditform *Tmainform::editorOf(const QString &path) const
{
    const QString wanted = canonical(path);
    const QList<Teditform *> open = editors();
    for (Teditform *editor : open) {
        if (editor->isNamed() && canonical(editor->FileName()) == wanted)
            return editor;
    }
    return nullptr;
}

void Tmainform::openFiles(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (!editorOf(path))
            openDocument(QFileInfo(path).absoluteFilePath());
    }
}

void Tmainform::rememberFile(const QString &path)
{
    RecentFiles::save(RecentFiles::add(RecentFiles::load(), path));
}

void Tmainform::fillReopenMenu(QMenu *menu)
{
    menu->clear();
    const QStringList files = RecentFiles::load();
    const QFontMetrics metrics = menu->fontMetrics();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        const int width = RecentWidthInChars * metrics.averageCharWidth();
        QString shown = metrics.elidedText(path, Qt::ElideMiddle, width);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *entry = menu->addAction(QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(shown));
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { reopen(path); });
    }
    menu->menuAction()->setEnabled(!files.isEmpty());
}

void Tmainform::reopen(const QString &path)
{
    if (Teditform *open = editorOf(path)) {
        activateEditor(open);
        return;
    }
    if (!QFileInfo(path).isFile()) {
        QStringList files = RecentFiles::load();
        files.removeAll(path);
        RecentFiles::save(files);
        Prompts::message(Prompts::Kind::Warning, recentFileGoneMessage(path, settings().Lang));
        return;
    }
    openDocument(path);
}

void Tmainform::newHtmlDocument()
{
    openDocument(SharedTexts::UntitledName.text());
}

void Tmainform::newBlankDocument()
{
    openDocument(SharedTexts::BlankName.text());
}

void Tmainform::openDocuments()
{
    Prompts::FileDialog dialog;
    dialog.title = MainTexts::OpenDialogTitle.text();
    dialog.directory = settings().OpenDir;
    dialog.filter = SharedTexts::OpenFilter.text();
    dialog.helpContext = 1100;
    openFiles(Prompts::openFiles(dialog).paths);
}

void Tmainform::openFromFileList(const QStringList &paths)
{
    openFiles(paths);
}

void Tmainform::saveAll()
{
    const QList<Teditform *> all = editorsFromActive();
    for (Teditform *editor : all)
        editor->Save1Click();
}

void Tmainform::saveAllAndLaunch(const QString &target)
{
    const QList<Teditform *> all = editorsFromActive();
    for (Teditform *editor : all) {
        // A document without a file of its own has nowhere to go.
        if (editor->cmemo1->Modified() && editor->isNamed() && editor->mayWriteOverDisk())
            editor->writeDocument(false);
    }
    if (QFileInfo(target).isFile())
        openUrl(QUrl::fromLocalFile(target));
}

void Tmainform::openUrl(const QUrl &url)
{
    // Without a default browser the desktop only says so on the terminal.
    if (!Desktop::openUrl(url))
        Prompts::message(Prompts::Kind::Error, noProgramMessage(url, settings().Lang));
}

void Tmainform::autoSaveAll()
{
    const QList<Teditform *> all = editors();
    for (Teditform *editor : all) {
        if (editor->AutoSaveOn())
            editor->autoSave();
    }
    if (Teditform *editor = activeEditor())
        editor->ShowDocumentStatus();
}

void Tmainform::exitProgram()
{
    close();
}

void Tmainform::toggleToolBar()
{
    QAction *mark = action("Toolbar2");
    if (ToolBar1->isVisible()) {
        ToolBar1->hide();
        mark->setChecked(false);
    } else {
        addToolBar(Qt::TopToolBarArea, ToolBar1);
        ToolBar1->show();
        mark->setChecked(true);
    }
}

void Tmainform::toggleStatusBar()
{
    const bool show = !statusBar()->isVisible();
    statusBar()->setVisible(show);
    action("Statusbar2")->setChecked(show);
}

void Tmainform::toggleFileList()
{
    const bool show = !Panel1->isVisible();
    Panel1->setVisible(show);
    action("Filelist1")->setChecked(show);
    if (!show)
        return;
    // The list starts where the document in front lives.
    const Teditform *editor = activeEditor();
    if (editor && editor->isNamed())
        Panel1->setCurrentDirectory(QFileInfo(editor->FileName()).absolutePath());
    layoutFileBrowser();
}

void Tmainform::layoutFileBrowser()
{
    if (Panel1->isVisible())
        m_splitter->setSizes({FileBrowserWidth, qMax(0, m_splitter->width() - FileBrowserWidth)});
}

void Tmainform::tileWindows()
{
    m_mdi->tileSubWindows();
}

void Tmainform::cascadeWindows()
{
    m_mdi->cascadeSubWindows();
}

void Tmainform::arrangeIcons()
{
    // Minimised windows line up along the bottom edge.
    int x = 0;
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow *window : windows) {
        if (!window->isMinimized())
            continue;
        window->move(x, m_mdi->viewport()->height() - window->height());
        x += window->width();
    }
}

void Tmainform::activateNextWindow()
{
    m_mdi->activateNextSubWindow();
}

void Tmainform::activatePreviousWindow()
{
    m_mdi->activatePreviousSubWindow();
}

void Tmainform::search()
{
    Search(*this);
}

void Tmainform::replace()
{
    Replace(*this);
}

void Tmainform::spellCheck(Teditform *editor)
{
    if (editor)
        SpellCheck(*editor);
}

void Tmainform::subWindowActivated(QMdiSubWindow *window)
{
    if (auto *editor = qobject_cast<Teditform *>(window)) {
        m_activated.removeAll(editor);
        m_activated.append(editor);
    }
    rebuildMenuBar();
    if (auto *editor = qobject_cast<Teditform *>(window))
        editor->FormActivate();
}

void Tmainform::rebuildMenuBar()
{
    QMenuBar *bar = menuBar();
    bar->clear();
    const Teditform *editor = activeEditor();
    const QList<QMenu *> leading = editor ? editor->fileViewMenus() : m_ownMenus.mid(0, 2);
    for (QMenu *m : leading)
        bar->addMenu(m);
    if (editor) {
        for (QMenu *m : editor->editingMenus()) {
            if (!m->isEmpty())
                bar->addMenu(m);
        }
    }
    bar->addMenu(m_ownMenus.at(2));
    bar->addMenu(m_ownMenus.at(3));
}

void Tmainform::Createregfile1Click()
{
    Prompts::FileDialog dialog;
    dialog.title = MainTexts::SaveSettingsTitle.text();
    dialog.filter = MainTexts::SettingsFilter.text();
    dialog.defaultSuffix = QStringLiteral("mvc");
    dialog.directory = settings().SaveDir;
    const Prompts::FileResult chosen = Prompts::saveFile(dialog);
    if (!chosen.accepted())
        return;
    QString detail;
    if (ExportSettingsFile(chosen.path(), &detail) != TextFile::Error::None)
        Prompts::message(Prompts::Kind::Error, MainTexts::ExportFailed.text().arg(chosen.path(), detail));
}

void Tmainform::Installregfile1Click()
{
    Prompts::FileDialog dialog;
    dialog.title = MainTexts::LoadSettingsTitle.text();
    dialog.filter = MainTexts::SettingsFilter.text();
    dialog.defaultSuffix = QStringLiteral("mvc");
    dialog.directory = settings().OpenDir;
    const Prompts::FileResult chosen = Prompts::openFile(dialog);
    if (!chosen.accepted())
        return;
    if (ImportSettingsFile(chosen.path()) == ImportResult::Invalid)
        Prompts::message(Prompts::Kind::Error, invalidSettingsFileMessage(chosen.path()));
    LoadSettings();
    ApplyCaptions();
}

void Tmainform::About1Click()
{
    TAboutBox box(this);
    box.exec();
}

void Tmainform::C1Click()
{
    {
        Tconfigform dialog([this](const QString &hint) { setStatusText(0, hint); }, this);
        Prompts::runDialog(dialog);
    }
    // The editors show the shared placeholder names, so those go first.
    ApplyCaptions();
    const QFont font(settings().FontType, settings().FontSize);
    const QList<Teditform *> all = editors();
    for (Teditform *editor : all) {
        editor->cmemo1->setFont(font);
        editor->ApplyLanguage();
    }
    if (m_ftpWindowOpen) {
        if (auto *ftp = findChild<Tftpform *>())
            ftp->ApplyCaptions();
    }
    if (m_project)
        m_project->ApplyLanguage();
    action("Colorcoding1")->setChecked(settings().Color);
}

void Tmainform::openFtpWindow(FtpMode mode)
{
    // One FTP window for the whole program.
    if (m_ftpWindowOpen) {
        if (auto *ftp = findChild<Tftpform *>()) {
            ftp->raise();
            ftp->activateWindow();
            return;
        }
    }
    auto *ftp = new Tftpform(mode, *this, this);
    connect(ftp, &Tftpform::closed, this, [this] { m_ftpWindowOpen = false; });
    m_ftpWindowOpen = true;
    ftp->show();
    ftp->move(screen()->availableGeometry().center() - ftp->rect().center());
}

void Tmainform::Colorcoding1Click()
{
    settings().Color = action("Colorcoding1")->isChecked();
}

bool Tmainform::event(QEvent *event)
{
    // Hints go to the first panel, which keeps the last one shown.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        if (!tip.isEmpty())
            setStatusText(0, tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool Tmainform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mdi->viewport() && event->type() == QEvent::MouseMove) {
        setStatusText(0, QString());
        QApplication::restoreOverrideCursor();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tmainform::dragEnterEvent(QDragEnterEvent *event)
{
    if (!Desktop::droppedFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Tmainform::dropEvent(QDropEvent *event)
{
    // Dropped files open as if chosen in the open dialog.
    const QStringList files = Desktop::droppedFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    openFiles(files);
}

void Tmainform::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layoutFileBrowser();
}

void Tmainform::closeEvent(QCloseEvent *event)
{
    const QList<Teditform *> all = editorsFromActive();
    for (Teditform *editor : all) {
        if (!editor->FormCloseQuery()) {
            event->ignore();
            return;
        }
    }
    // The project window may still refuse, when its question is cancelled.
    if (m_project && !m_project->close()) {
        event->ignore();
        return;
    }
    for (Teditform *editor : all)
        editor->closeWithoutQuery();
    event->accept();
}
