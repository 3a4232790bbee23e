#pragma once

#include "editor/editorhost.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSplitter;
class QToolBar;
class QUrl;
class StatusPanel;
class TFileBrowser;
enum class FtpMode;
class Tftpform;
class Tprojectform;

// The main window's commands: its tool buttons, then its menu items.
enum class MainAction {
    NewButton, OpenButton, SaveButton, SaveAsButton, SaveAllButton, CloseButton, CloseAllButton, InsertButton,
    InsertFromButton, PrintButton, SearchButton, ReplaceButton, UndoButton, RedoButton, TileButton, CascadeButton,
    DownloadButton, UploadButton, ConfigButton, HelpButton, ExitButton,
    NewHtml, NewBlank, Open, Exit, ToolBar, StatusBar, FileList, ColorCoding, FramesWizard, ImageMapWizard,
    ProjectControl, AddFileToProject, FocusEditor, FocusProject, UploadFile, DownloadAndOpen, SaveConfiguration,
    LoadConfiguration, HelpWindow, About, Configuration, UpdatesAndNews, SendBugReport, OutsideSite,
    Count
};

// The program's frame: menus, tool bar, status bar, file browser and the
// editor windows, one per open document.
class Tmainform : public QMainWindow, public EditorHost
{
    Q_OBJECT

public:
    explicit Tmainform(QWidget *parent = nullptr);
    ~Tmainform() override;

    // Start-up: settings, captions, templates and the no-document state.
    void FormCreate();

    // Opens a document in a new editor window: UntitledName, BlankName or a
    // file path. Returns nullptr when the file could not be read.
    Teditform *openDocument(const QString &name) override;
    // Opens files unless one is open already (same file on disk).
    void openFiles(const QStringList &paths) override;
    // The editor window in front, also while another program or a dialog
    // has the focus.
    Teditform *activeEditor() const override;
    void editorClosing(Teditform *editor) override;
    void rememberFile(const QString &path) override;
    void fillReopenMenu(QMenu *menu) override;

    // The caption routine of the current language.
    void ApplyCaptions();

    // EditorHost
    int EditorCount() const override { return m_editorCount; }
    void setEditorCount(int count) override { m_editorCount = count; }
    bool ClosingAll() const override { return m_closingAll; }
    void setClosingAll(bool closing) override { m_closingAll = closing; }
    void setStatusText(int panel, const QString &text) override;
    void setCommandEnabled(HostCommand command, bool enabled) override;
    QList<QKeySequence> hostShortcuts() const override;
    QList<Teditform *> editors() const override;
    void activateEditor(Teditform *editor) override;
    void newHtmlDocument() override;
    void newBlankDocument() override;
    void openDocuments() override;
    void saveAll() override;
    void exitProgram() override;
    void toggleToolBar() override;
    void toggleStatusBar() override;
    void toggleFileList() override;
    void tileWindows() override;
    void cascadeWindows() override;
    void arrangeIcons() override;
    void activateNextWindow() override;
    void activatePreviousWindow() override;
    void search() override;
    void replace() override;
    void spellCheck(Teditform *editor) override;
    void saveAllAndLaunch(const QString &target) override;

    QString statusText(int panel) const;
    QAction *action(MainAction which) const { return m_actions[size_t(which)]; }
    QMdiArea *mdiArea() const { return m_mdi; }
    QToolBar *toolBar() const { return m_toolBar; }
    TFileBrowser *fileBrowser() const { return m_fileBrowser; }

    // Saves every editor that has autosave on; run when the program loses focus.
    void autoSaveAll();
    void saveConfigurationFile();
    void loadConfigurationFile();
    void showAbout();
    void toggleColorCoding();
    void configure();
    // Opens the FTP window, or brings the open one to the front.
    void openFtpWindow(FtpMode mode);
    void openProjectWindow();
    void addActiveFileToProject();
    Tprojectform *projectWindow() const;
    // The FTP window while it is open.
    Tftpform *ftpWindow() const;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QAction *newAction(MainAction which, const char *name, const QString &text);
    void buildActions();
    void buildToolBar();
    void buildMenus();
    void buildStatusBar();
    void enterNoDocumentState();
    void showProjectCommands(bool projectOpen);
    void subWindowActivated(QMdiSubWindow *window);
    void rebuildMenuBar();
    void layoutFileBrowser();
    void openFromFileList(const QStringList &paths);
    void reopen(const QString &path);
    Teditform *editorOf(const QString &path) const;
    void openUrl(const QUrl &url);
    void sizeStatusPanels();
    void refreshStatus();
    QList<Teditform *> editorsFromActive() const;

    QMdiArea *m_mdi = nullptr;
    QSplitter *m_splitter = nullptr;
    TFileBrowser *m_fileBrowser = nullptr;
    QToolBar *m_toolBar = nullptr;
    QList<StatusPanel *> m_panels;
    QList<Teditform *> m_activated; // open editor windows, most recently active last
    QList<QMenu *> m_ownMenus; // File, View, Wizards, Help
    int m_editorCount = 0;
    bool m_closingAll = false;
    std::array<QAction *, size_t(MainAction::Count)> m_actions{};
    QPointer<Tftpform> m_ftp;
    QPointer<Tprojectform> m_project;
};
