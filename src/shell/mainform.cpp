#include "shell/mainform.h"

#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "editor/statuspanel.h"
#include "ftp/ftpform.h"
#include "platform/desktop.h"
#include "platform/toolkitlanguage.h"
#include "project/projectform.h"
#include "search/searchcommands.h"
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
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/helpviewer.h"
#include "ui/named.h"
#include "ui/prompts.h"
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
    MainAction action;
    const char *name;
    const char *icon; // of the program's own set
    const char *hint;
    bool separatorAfter;
};

const ToolButton ToolButtons[] = {
    {MainAction::NewButton, "newbutton", "new", "Creates new HTML file", false},
    {MainAction::OpenButton, "openbutton", "open", "Opens existing file", false},
    {MainAction::SaveButton, "savebutton", "save", "Saves the document", false},
    {MainAction::SaveAsButton, "saveasbutton", "saveas", "Saves the document under a new name", false},
    {MainAction::SaveAllButton, "saveallbutton", "saveall", "Saves document(s) in all opened editing windows", true},
    {MainAction::CloseButton, "closebutton", "close", "Closes the active editing window", false},
    {MainAction::CloseAllButton, "closeallbutton", "closeall", "Closes all opened editing windows", true},
    {MainAction::InsertButton, "insertbutton", "insert", "Allows insertion of text file in document", false},
    {MainAction::InsertFromButton, "insertfrombutton", "insertfrom", "Inserts portion of text file in document", true},
    {MainAction::PrintButton, "printbutton", "print", "Prints document in active editing window", true},
    {MainAction::SearchButton, "searchbutton", "search", "Search for text in document(s)", false},
    {MainAction::ReplaceButton, "replacebutton", "replace", "Replace text in document(s)", true},
    {MainAction::UndoButton, "undobutton", "undo", "Undoes the last change to the document", false},
    {MainAction::RedoButton, "redobutton", "redo", "Undo the last undo operation", true},
    {MainAction::TileButton, "tilebutton", "tile", "Tiles all opened editing windows", false},
    {MainAction::CascadeButton, "cascadebutton", "cascade", "Arranges all opened editing windows in cascade style",
     true},
    {MainAction::DownloadButton, "downloadbutton", "download", "Opens the connection window for a download", false},
    {MainAction::UploadButton, "uploadbutton", "upload", "Uploads document via FTP", true},
    {MainAction::ConfigButton, "configbutton", "configure", "Opens the configuration window", false},
    {MainAction::HelpButton, "helpbutton", "help", "Opens the Help System", true},
    {MainAction::ExitButton, "exitbutton", "exit", "Closes the program", false},
};

const MainAction DocumentButtons[] = {
    MainAction::SaveButton,   MainAction::SaveAsButton,  MainAction::SaveAllButton, MainAction::CloseButton,
    MainAction::CloseAllButton, MainAction::PrintButton, MainAction::InsertButton,  MainAction::InsertFromButton,
    MainAction::UndoButton,   MainAction::RedoButton,    MainAction::SearchButton,  MainAction::ReplaceButton,
    MainAction::TileButton,   MainAction::CascadeButton, MainAction::UploadButton,
};

MainAction actionOf(HostCommand command)
{
    switch (command) {
    case HostCommand::SaveButton: return MainAction::SaveButton;
    case HostCommand::SaveAsButton: return MainAction::SaveAsButton;
    case HostCommand::SaveAllButton: return MainAction::SaveAllButton;
    case HostCommand::CloseButton: return MainAction::CloseButton;
    case HostCommand::CloseAllButton: return MainAction::CloseAllButton;
    case HostCommand::PrintButton: return MainAction::PrintButton;
    case HostCommand::InsertButton: return MainAction::InsertButton;
    case HostCommand::InsertFromButton: return MainAction::InsertFromButton;
    case HostCommand::UndoButton: return MainAction::UndoButton;
    case HostCommand::RedoButton: return MainAction::RedoButton;
    case HostCommand::SearchButton: return MainAction::SearchButton;
    case HostCommand::ReplaceButton: return MainAction::ReplaceButton;
    case HostCommand::TileButton: return MainAction::TileButton;
    case HostCommand::CascadeButton: return MainAction::CascadeButton;
    case HostCommand::UploadButton: return MainAction::UploadButton;
    case HostCommand::UploadFile: return MainAction::UploadFile;
    case HostCommand::FramesWizard: return MainAction::FramesWizard;
    case HostCommand::SaveConfiguration: return MainAction::SaveConfiguration;
    case HostCommand::LoadConfiguration: return MainAction::LoadConfiguration;
    case HostCommand::ConfigButton: return MainAction::ConfigButton;
    }
    return MainAction::ConfigButton;
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
    m_fileBrowser = new TFileBrowser(this);
    m_fileBrowser->hide();
    m_splitter = new QSplitter(this);
    m_splitter->addWidget(m_fileBrowser);
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
    connect(m_fileBrowser, &TFileBrowser::openRequested, this, &Tmainform::openFromFileList);
    connect(m_fileBrowser, &TFileBrowser::driveError, this, [] {
        Prompts::message(Prompts::Kind::Error, SharedTexts::DriveError.text(),
                         Prompts::Button::Ok | Prompts::Button::Help, 3300);
    });
    // The Help buttons of the editor's and the wizards' dialogs.
    DialogRunner::setHelpHandler([](int topic) { Help::showHelp(topic); });
    Help::setCaptioner([](QWidget *help) { applyCaptions(help, HelpCaptions, settings().Lang); });
}

// The editor windows report their end to members of this window, so they go
// while those members still exist, and the area stops reporting to us first.
Tmainform::~Tmainform()
{
    m_mdi->viewport()->removeEventFilter(this);
    delete m_mdi;
}

QAction *Tmainform::newAction(MainAction which, const char *name, const QString &text)
{
    auto *a = named<QAction>(name, text, this);
    m_actions[size_t(which)] = a;
    return a;
}

void Tmainform::buildActions()
{
    for (const ToolButton &b : ToolButtons) {
        QAction *a = newAction(b.action, b.name, QString::fromUtf8(b.hint));
        a->setIcon(toolIcon(QLatin1String(b.icon)));
        a->setStatusTip(a->text());
        a->setToolTip(a->text());
    }
    auto on = [this](MainAction which, auto slot) { connect(action(which), &QAction::triggered, this, slot); };
    auto onEditor = [this](MainAction which, void (Teditform::*command)()) {
        connect(action(which), &QAction::triggered, this, [this, command] {
            if (Teditform *editor = activeEditor())
                (editor->*command)();
        });
    };
    on(MainAction::NewButton, &Tmainform::newHtmlDocument);
    on(MainAction::OpenButton, &Tmainform::openDocuments);
    onEditor(MainAction::SaveButton, &Teditform::save);
    onEditor(MainAction::SaveAsButton, &Teditform::saveAs);
    on(MainAction::SaveAllButton, &Tmainform::saveAll);
    on(MainAction::CloseButton, [this] {
        if (Teditform *editor = activeEditor())
            editor->close();
    });
    onEditor(MainAction::CloseAllButton, &Teditform::closeAll);
    onEditor(MainAction::InsertButton, &Teditform::insertTextFile);
    onEditor(MainAction::PrintButton, &Teditform::print);
    on(MainAction::SearchButton, &Tmainform::search);
    on(MainAction::ReplaceButton, &Tmainform::replace);
    onEditor(MainAction::UndoButton, &Teditform::undo);
    onEditor(MainAction::RedoButton, &Teditform::redo);
    on(MainAction::TileButton, &Tmainform::tileWindows);
    on(MainAction::CascadeButton, &Tmainform::cascadeWindows);
    on(MainAction::ConfigButton, &Tmainform::configure);
    on(MainAction::DownloadButton, [this] { openFtpWindow(FtpMode::Download); });
    on(MainAction::UploadButton, [this] { openFtpWindow(FtpMode::Upload); });
    on(MainAction::ExitButton, &Tmainform::exitProgram);
    on(MainAction::HelpButton, [] { Help::showContents(); });
}

void Tmainform::buildToolBar()
{
    m_toolBar = named<QToolBar>("ToolBar1", QStringLiteral("Tool bar"), this);
    markNotCaptioned(m_toolBar->toggleViewAction()); // shows the tool bar's own caption
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setIconSize(QSize(22, 22));
    for (const ToolButton &b : ToolButtons) {
        m_toolBar->addAction(action(b.action));
        if (b.separatorAfter)
            m_toolBar->addSeparator();
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void Tmainform::buildMenus()
{
    // Every named menu and item is a direct child of the window, so the
    // caption table finds the window's own before an editor's namesakes.
    auto menu = [this](const char *name, const char *caption) {
        return named<QMenu>(name, QString::fromUtf8(caption), this);
    };
    auto item = [this](QMenu *into, MainAction which, const char *name, const char *caption, const char *shortcut) {
        QAction *a = newAction(which, name, QString::fromUtf8(caption));
        if (*shortcut)
            a->setShortcut(QKeySequence(QLatin1String(shortcut)));
        into->addAction(a);
        return a;
    };
    auto on = [this](MainAction which, auto slot) { connect(action(which), &QAction::triggered, this, slot); };

    QMenu *fileMenu = menu("File1", "&File");
    QMenu *newMenu = menu("New1", "&New");
    item(newMenu, MainAction::NewHtml, "HTML1", "&HTML file", "Shift+Ctrl+Alt+H");
    item(newMenu, MainAction::NewBlank, "Blank1", "&Blank", "Shift+Ctrl+Alt+B");
    fileMenu->addMenu(newMenu);
    item(fileMenu, MainAction::Open, "Open1", "&Open", "Shift+Ctrl+Alt+O");
    QMenu *reopenMenu = menu("Reopen1", "&Reopen");
    fileMenu->addMenu(reopenMenu);
    connect(fileMenu, &QMenu::aboutToShow, this, [this, reopenMenu] { fillReopenMenu(reopenMenu); });
    fileMenu->addSeparator();
    item(fileMenu, MainAction::Exit, "Exit1", "E&xit", "Shift+Ctrl+Alt+X");
    on(MainAction::NewHtml, &Tmainform::newHtmlDocument);
    on(MainAction::NewBlank, &Tmainform::newBlankDocument);
    on(MainAction::Open, &Tmainform::openDocuments);
    on(MainAction::Exit, &Tmainform::exitProgram);

    QMenu *viewMenu = menu("View1", "&View");
    item(viewMenu, MainAction::ToolBar, "Toolbar2", "&Tool bar", "Shift+Alt+T");
    item(viewMenu, MainAction::StatusBar, "Statusbar2", "&Status bar", "Shift+Alt+S");
    item(viewMenu, MainAction::FileList, "Filelist1", "&File list", "Shift+Alt+F");
    viewMenu->addSeparator();
    item(viewMenu, MainAction::ColorCoding, "Colorcoding1", "&Color coding", "Shift+Alt+C");
    on(MainAction::ToolBar, &Tmainform::toggleToolBar);
    on(MainAction::StatusBar, &Tmainform::toggleStatusBar);
    on(MainAction::FileList, &Tmainform::toggleFileList);
    on(MainAction::ColorCoding, &Tmainform::toggleColorCoding);
    for (MainAction which : {MainAction::ToolBar, MainAction::StatusBar, MainAction::FileList, MainAction::ColorCoding})
        action(which)->setCheckable(true);
    // An editor's View menu stands in for this one but has no Color coding:
    // its key stays with the window.
    addAction(action(MainAction::ColorCoding));
    action(MainAction::ToolBar)->setChecked(true);
    action(MainAction::StatusBar)->setChecked(true);
    action(MainAction::ColorCoding)->setChecked(true);

    QMenu *wizardsMenu = menu("Wizards1", "Wi&zards");
    item(wizardsMenu, MainAction::FramesWizard, "Frames1", "&Frames wizard", "Ctrl+F");
    item(wizardsMenu, MainAction::ImageMapWizard, "Imagemap1", "&Image map wizard", "Ctrl+I");
    item(wizardsMenu, MainAction::ProjectControl, "Projectcontrol1", "&Project control", "Ctrl+P");
    item(wizardsMenu, MainAction::AddFileToProject, "Addfiletoproject1", "   &Add file to project", "Ctrl+A");
    item(wizardsMenu, MainAction::FocusEditor, "Focuseditor1", "   Focus &editor", "Ctrl+E");
    item(wizardsMenu, MainAction::FocusProject, "toggleproject1", "   Focus &project", "Ctrl+P");
    showProjectCommands(false);
    wizardsMenu->addSeparator();
    item(wizardsMenu, MainAction::UploadFile, "uploadfile", "&Upload file", "Alt+Up");
    item(wizardsMenu, MainAction::DownloadAndOpen, "Downloadandopen1", "&Download and open file", "Alt+Down");
    wizardsMenu->addSeparator();
    item(wizardsMenu, MainAction::SaveConfiguration, "Createregfile1", "&Save configuration", "Ctrl+Alt+S");
    item(wizardsMenu, MainAction::LoadConfiguration, "Installregfile1", "&Load configuration", "Ctrl+Alt+L");
    on(MainAction::FramesWizard, [this] { FramesWizard(*this, *this); });
    on(MainAction::ImageMapWizard, [this] { ImageMapWizard(*this); });
    on(MainAction::ProjectControl, &Tmainform::openProjectWindow);
    on(MainAction::AddFileToProject, &Tmainform::addActiveFileToProject);
    on(MainAction::FocusEditor, [this] {
        activateWindow();
        if (Teditform *editor = activeEditor())
            editor->memo()->setFocus();
    });
    on(MainAction::FocusProject, [this] {
        if (m_project)
            m_project->focusFiles();
    });
    on(MainAction::UploadFile, [this] { openFtpWindow(FtpMode::Upload); });
    on(MainAction::DownloadAndOpen, [this] { openFtpWindow(FtpMode::Download); });
    on(MainAction::SaveConfiguration, &Tmainform::saveConfigurationFile);
    on(MainAction::LoadConfiguration, &Tmainform::loadConfigurationFile);

    QMenu *helpMenu = menu("Help1", "&Help");
    item(helpMenu, MainAction::HelpWindow, "HelpWindow1", "&Help window", "Ctrl+H");
    item(helpMenu, MainAction::About, "About1", "&About the editor", "");
    item(helpMenu, MainAction::Configuration, "C1", "&Configuration", "Ctrl+W");
    item(helpMenu, MainAction::UpdatesAndNews, "Updatesnews1", "&Updates and news", "Ctrl+U");
    helpMenu->addSeparator();
    item(helpMenu, MainAction::SendBugReport, "Sendbugreport1", "&Send bug report", "Shift+Ctrl+B");
    helpMenu->addSeparator();
    item(helpMenu, MainAction::OutsideSite, "Outsidesite1", OutsideSiteName, "Shift+Ctrl+T");
    markNotCaptioned(action(MainAction::OutsideSite)); // a site's name
    on(MainAction::HelpWindow, [] { Help::showContents(); });
    on(MainAction::About, &Tmainform::showAbout);
    on(MainAction::Configuration, &Tmainform::configure);
    on(MainAction::UpdatesAndNews, [this] { openUrl(QUrl(QLatin1String(UpdatesAddress))); });
    on(MainAction::SendBugReport, [this] { openUrl(QUrl(QLatin1String(BugReportAddress))); });
    on(MainAction::OutsideSite, [this] { openUrl(QUrl(QLatin1String(OutsideSiteAddress))); });

    m_ownMenus = {fileMenu, viewMenu, wizardsMenu, helpMenu};
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
        DialogHelpers::centreOnScreen(&chooser, screen());
        Prompts::runDialog(chooser);
    }
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
    for (MainAction which : DocumentButtons)
        action(which)->setEnabled(false);
    action(MainAction::FramesWizard)->setEnabled(true);
    action(MainAction::UploadFile)->setEnabled(false);
    action(MainAction::SaveConfiguration)->setEnabled(true);
    action(MainAction::LoadConfiguration)->setEnabled(true);
    showProjectCommands(m_project != nullptr);
}

void Tmainform::showProjectCommands(bool projectOpen)
{
    // Ctrl+P opens the project window, or focuses it while it is open.
    for (MainAction which : {MainAction::AddFileToProject, MainAction::FocusEditor, MainAction::FocusProject}) {
        action(which)->setVisible(projectOpen);
        action(which)->setEnabled(projectOpen);
    }
    QAction *control = action(MainAction::ProjectControl);
    control->setVisible(!projectOpen);
    control->setShortcut(projectOpen ? QKeySequence() : QKeySequence(QStringLiteral("Ctrl+P")));
}

void Tmainform::openProjectWindow()
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

void Tmainform::addActiveFileToProject()
{
    // Only a document with a file of its own can join a project.
    Teditform *editor = activeEditor();
    if (m_project && m_editorCount > 0 && editor && editor->document().isNamed())
        m_project->addFile(editor->document().fileName());
}

void Tmainform::ApplyCaptions()
{
    const int lang = settings().Lang;
    const QString folder = lang == Danish   ? QStringLiteral("da")
                           : lang == German ? QStringLiteral("de")
                                            : QStringLiteral("en");
    Help::setLanguage(folder);
    ToolkitLanguage::set(folder);
    applyCaptions(this, {&MainCaptions, &MainHints}, lang);
    for (const ToolButton &b : ToolButtons)
        action(b.action)->setText(action(b.action)->statusTip());
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
    action(actionOf(command))->setEnabled(enabled);
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
    if (editor->document().isNamed())
        rememberFile(editor->document().fileName());
    return editor;
}

Teditform *Tmainform::editorOf(const QString &path) const
{
    const QString wanted = canonical(path);
    const QList<Teditform *> open = editors();
    for (Teditform *editor : open) {
        if (editor->document().isNamed() && canonical(editor->document().fileName()) == wanted)
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
        editor->save();
}

void Tmainform::saveAllAndLaunch(const QString &target)
{
    const QList<Teditform *> all = editorsFromActive();
    for (Teditform *editor : all) {
        // A document without a file of its own has nowhere to go.
        if (editor->document().isModified() && editor->document().isNamed() && editor->mayWriteOverDisk())
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
    QAction *mark = action(MainAction::ToolBar);
    if (m_toolBar->isVisible()) {
        m_toolBar->hide();
        mark->setChecked(false);
    } else {
        addToolBar(Qt::TopToolBarArea, m_toolBar);
        m_toolBar->show();
        mark->setChecked(true);
    }
}

void Tmainform::toggleStatusBar()
{
    const bool show = !statusBar()->isVisible();
    statusBar()->setVisible(show);
    action(MainAction::StatusBar)->setChecked(show);
}

void Tmainform::toggleFileList()
{
    const bool show = !m_fileBrowser->isVisible();
    m_fileBrowser->setVisible(show);
    action(MainAction::FileList)->setChecked(show);
    if (!show)
        return;
    // The list starts where the document in front lives.
    const Teditform *editor = activeEditor();
    if (editor && editor->document().isNamed())
        m_fileBrowser->setCurrentDirectory(QFileInfo(editor->document().fileName()).absolutePath());
    layoutFileBrowser();
}

void Tmainform::layoutFileBrowser()
{
    if (m_fileBrowser->isVisible())
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

void Tmainform::saveConfigurationFile()
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

void Tmainform::loadConfigurationFile()
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

void Tmainform::showAbout()
{
    TAboutBox box(this);
    box.exec();
}

void Tmainform::configure()
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
        editor->memo()->setFont(font);
        editor->ApplyLanguage();
    }
    if (m_ftp)
        m_ftp->ApplyCaptions();
    if (m_project)
        m_project->ApplyLanguage();
    action(MainAction::ColorCoding)->setChecked(settings().Color);
}

void Tmainform::openFtpWindow(FtpMode mode)
{
    // One FTP window for the whole program.
    if (m_ftp) {
        m_ftp->raise();
        m_ftp->activateWindow();
        return;
    }
    m_ftp = new Tftpform(mode, *this, this);
    connect(m_ftp, &Tftpform::closed, this, [this] { m_ftp = nullptr; });
    m_ftp->show();
    DialogHelpers::centreOnScreen(m_ftp, screen());
}

Tftpform *Tmainform::ftpWindow() const
{
    return m_ftp;
}

void Tmainform::toggleColorCoding()
{
    settings().Color = action(MainAction::ColorCoding)->isChecked();
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
