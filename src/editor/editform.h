#pragma once

#include "editor/document.h"

#include <QMdiSubWindow>

class AttributePopups;
class EditorHost;
class StatusPanel;
class QAction;
class QMenu;
class QStatusBar;
class TColorMemo;

// The window of one open document: a child window of the main window holding
// the document, the colour memo that shows its text, its own status line, the
// autosave switch, and the menus shown while it is active.
class Teditform : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit Teditform(EditorHost *host, QWidget *parent = nullptr);

    Document &document() { return *m_document; }
    const Document &document() const { return *m_document; }

    // Fills the window with a new HTML page, an empty page, or a file's
    // text. Returns false (after telling the user) when the file cannot be read.
    bool LoadDocument(const QString &name);

    bool AutoSaveOn() const { return m_autoSaveOn; }
    bool tagTemplatesMode() const;

    // The control that shows the document: focus, scrolling, what is on
    // screen. Commands read and change the text through document().
    TColorMemo *memo() const { return m_memo; }

    // The window's menus; the command families add their items to them.
    struct Menus
    {
        QMenu *file = nullptr;
        QMenu *view = nullptr;
        QMenu *edit = nullptr;
        QMenu *tags = nullptr;
        QMenu *scripts = nullptr; // Javascripts
        QMenu *layers = nullptr;  // Layer/DHTML
        QMenu *defined = nullptr;
        QMenu *misc = nullptr;
        QMenu *window = nullptr;
    };
    const Menus &menus() const { return m_menus; }

    // The items whose state the window keeps, or whose handlers or
    // neighbours belong to a command family.
    struct Commands
    {
        QAction *undo = nullptr;
        QAction *redo = nullptr;
        QAction *copy = nullptr;
        QAction *cut = nullptr;
        QAction *paste = nullptr;
        QAction *del = nullptr;
        QAction *search = nullptr;
        QAction *insertFrom = nullptr;
        QAction *tagTemplates = nullptr;
        QAction *wordWrap = nullptr;
        QAction *autoSave = nullptr;
        QAction *lineNumbers = nullptr;
    };
    const Commands &commands() const { return m_commands; }

    AttributePopups *attributePopups() const { return m_attributePopups; }

    // The menus that replace the main window's File and View, and the ones
    // that stand between them and the main window's Wizards and Help.
    QList<QMenu *> fileViewMenus() const;
    QList<QMenu *> editingMenus() const;

    EditorHost *host() const { return m_host; }

    void ShowCaretPosition();
    void ShowDocumentStatus();
    void UpdateCommandStates();
    void ApplyLanguage();

    // Writes the document to its file; false (after an error box) when that
    // failed, leaving text and modified flag as they were.
    bool writeDocument(bool clearModified = true);
    // When another program changed the file since this document last read or
    // wrote it, asks whether to write over it, reload it instead, or stop.
    // True when a save may go ahead.
    bool mayWriteOverDisk();
    // Autosave's write: asks nothing, and leaves alone a file that another
    // program changed (Save asks about it).
    void autoSave();

    // Runs when the window becomes the active child.
    void FormActivate();
    // Asks about saving a modified document; true when the window may close.
    bool FormCloseQuery();
    // Closes after the main window has already asked.
    void closeWithoutQuery();

    // Commands.
    void save();
    void saveAs();
    void closeAll();
    void insertTextFile();
    void print();
    void undo();
    void redo();
    void toggleAutoSave();
    void toggleWordWrap();
    void toggleLineNumbers();
    void showLineNumbers(bool on);
    void launchBrowser();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The change handler: marks the document modified and refreshes the status.
    void memoChanged();

private:
    void buildMenus();
    void reserveMenuShortcuts();
    void FormClose();
    void updateEditCommands();
    void updateUndoCommands();
    // The Undo and Redo items follow the document's history.
    void showUndoState();
    void fillWindowList();
    void setAutoSave(bool on);
    QString baseName() const;
    void showFileError(const Document::FileResult &result);
    // Save; true when the document was written.
    bool trySave();
    void reloadFile();
    void fileChangedOnDisk(FileWatch::State state);

    // The placeholder name of an unnamed document in the current language.
    QString placeholderName() const;

    EditorHost *m_host;
    Document *const m_document;
    TColorMemo *m_memo = nullptr;
    bool m_autoSaveOn = false;
    bool m_queryDone = false;
    bool m_askingAboutDisk = false;
    QStatusBar *m_statusBar = nullptr;
    StatusPanel *m_caretPanel = nullptr;
    Menus m_menus;
    Commands m_commands;
    // Commands that need a second window.
    QList<QAction *> m_severalWindowCommands;
    AttributePopups *m_attributePopups = nullptr;
    QList<QAction *> m_windowList;
};
