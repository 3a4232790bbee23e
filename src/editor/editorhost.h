#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QMenu;
class Teditform;

// Commands of the main window whose enabled state follows the editor windows.
enum class HostCommand {
    SaveButton,
    SaveAsButton,
    SaveAllButton,
    CloseButton,
    CloseAllButton,
    PrintButton,
    InsertButton,
    InsertFromButton,
    UndoButton,
    RedoButton,
    SearchButton,
    ReplaceButton,
    TileButton,
    CascadeButton,
    UploadButton,
    UploadFile,
    FramesWizard,
    SaveConfiguration,
    LoadConfiguration,
    ConfigButton,
};

// The main window implements the interfaces below, so that no library
// includes its header; each part takes only the one it needs.

// The open editor windows: what search, the project and FTP windows and the
// wizards work on.
class EditorWindows
{
public:
    virtual ~EditorWindows() = default;

    virtual int EditorCount() const = 0;
    // The open editor windows in window order.
    virtual QList<Teditform *> editors() const = 0;
    virtual Teditform *activeEditor() const = 0;
    virtual void activateEditor(Teditform *editor) = 0;
    // Opens a document in a new editor window (UntitledName, BlankName or a
    // file path); nullptr when the file could not be read.
    virtual Teditform *openDocument(const QString &name) = 0;
    // Opens files in new editor windows unless they are open already.
    virtual void openFiles(const QStringList &paths) = 0;
};

// The main window's status bar and the enabled state of its commands.
class MainStatus
{
public:
    virtual ~MainStatus() = default;

    // Panels 0 (hints) to 4 of the main status bar.
    virtual void setStatusText(int panel, const QString &text) = 0;
    virtual void setCommandEnabled(HostCommand command, bool enabled) = 0;
};

// What the main window keeps about its editor windows, which they report.
class EditorBookkeeping
{
public:
    virtual ~EditorBookkeeping() = default;

    virtual void setEditorCount(int count) = 0;
    virtual bool ClosingAll() const = 0;
    virtual void setClosingAll(bool closing) = 0;
    // An editor window is closing; the one active before it takes over.
    virtual void editorClosing(Teditform *editor) = 0;
    // A document got a file of its own: it joins the recent files.
    virtual void rememberFile(const QString &path) = 0;
    // Lists the recent files in a File menu's Reopen submenu.
    virtual void fillReopenMenu(QMenu *menu) = 0;
    // Shortcuts of the main window's own menus, which the text control must
    // leave to them.
    virtual QList<QKeySequence> hostShortcuts() const = 0;
};

// Main-window commands the editor window's menus run.
class MainCommands
{
public:
    virtual ~MainCommands() = default;

    virtual void newHtmlDocument() = 0;
    virtual void newBlankDocument() = 0;
    virtual void openDocuments() = 0;
    virtual void saveAll() = 0;
    virtual void exitProgram() = 0;
    virtual void toggleToolBar() = 0;
    virtual void toggleStatusBar() = 0;
    virtual void toggleFileList() = 0;
    virtual void tileWindows() = 0;
    virtual void cascadeWindows() = 0;
    virtual void arrangeIcons() = 0;
    virtual void activateNextWindow() = 0;
    virtual void activatePreviousWindow() = 0;
    virtual void search() = 0;
    virtual void replace() = 0;
    virtual void spellCheck(Teditform *editor) = 0;
    // Writes every modified document, then opens target in the desktop's
    // default program.
    virtual void saveAllAndLaunch(const QString &target) = 0;
};

// Everything an editor window needs of the main window.
class EditorHost : public EditorWindows, public MainStatus, public EditorBookkeeping, public MainCommands
{
};
