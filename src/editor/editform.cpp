#include "editor/editform.h"

#include "colormemo/colormemo.h"
#include "colormemo/htmlrules.h"
#include "editor/attributepopups.h"
#include "editor/editorcommands.h"
#include "editor/editorhost.h"
#include "editor/editortexts.h"
#include "editor/menubuilder.h"
#include "editor/statuspanel.h"
#include "platform/desktop.h"
#include "settings/regops.h"
#include "settings/settings.h"
#include "settings/sharedtexts.h"
#include "ui/captions.h"
#include "ui/named.h"
#include "ui/prompts.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QDropEvent>
#include <QPointer>
#include <QPrinter>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const char *const NewHtmlSkeleton = "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n\r\n</HTML>\r\n";
constexpr int SkeletonCaretFromEnd = 30;
constexpr int PrintDialogHelp = 1500;

} // namespace

Teditform::Teditform(EditorHost *host, QWidget *parent)
    : QMdiSubWindow(parent)
    , m_host(host)
    , m_document(new Document)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setNameCaption(this, QStringLiteral("Markvale PRO"));

    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_memo = new TColorMemo(m_document->text(), body);
    // Colour coding is decided once, when the window is created.
    if (settings().Color)
        addEditorRules(m_memo->ColorRules());
    m_memo->setObjectName(QStringLiteral("cmemo1"));
    m_memo->setMouseTracking(true);
    m_memo->viewport()->installEventFilter(this);
    layout->addWidget(m_memo);
    m_statusBar = named<QStatusBar>("StatusBar2", body);
    m_statusBar->setSizeGripEnabled(false);
    m_caretPanel = new StatusPanel(80, StatusPanel::Fixed, m_statusBar);
    m_statusBar->addWidget(m_caretPanel);
    m_statusBar->addWidget(new StatusPanel(580, StatusPanel::Flexible, m_statusBar));
    layout->addWidget(m_statusBar);
    setWidget(body);
    // Children go in the order they came: the memo, which shows the
    // document's text, before the document.
    m_document->setParent(this);

    // The window's own menu keeps its entries but not their keys: Ctrl+W and
    // the like belong to the program's menus. Its texts are the toolkit's.
    const QList<QAction *> systemActions = systemMenu()->actions();
    for (QAction *action : systemActions) {
        action->setShortcuts({});
        markNotCaptioned(action);
    }
    buildMenus();
    reserveMenuShortcuts();

    // Creation: the settings decide autosave and the tag mode; the undo
    // history starts empty.
    setAutoSave(settings().AutoSave);
    m_commands.tagTemplates->setChecked(settings().Tags);
    showLineNumbers(settings().LineNumbers);
    ApplyLanguage();
    showUndoState();
    updateEditCommands();

    connect(m_memo, &QPlainTextEdit::textChanged, this, &Teditform::memoChanged);
    connect(&m_document->diskWatch(), &FileWatch::changedOnDisk, this, &Teditform::fileChangedOnDisk);
    connect(m_document, &Document::undoStateChanged, this, &Teditform::showUndoState);
    connect(m_memo, &QPlainTextEdit::cursorPositionChanged, this, &Teditform::ShowCaretPosition);
    connect(m_memo, &QPlainTextEdit::selectionChanged, this, &Teditform::updateEditCommands);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &Teditform::updateEditCommands);
}

void Teditform::buildMenus()
{
    EditorHost *host = m_host;
    Menus &m = m_menus;
    Commands &c = m_commands;
    m.file = namedMenu(this, "File1", "&File");
    QMenu *newMenu = namedMenu(m.file, "New1", "&New...");
    addMenuItems(newMenu, {
        {"Html1", "&HTML", "Ctrl+Shift+Alt+H", [host] { host->newHtmlDocument(); }},
        {"Blank1", "&Blank", "Ctrl+Shift+Alt+B", [host] { host->newBlankDocument(); }},
    });
    m.file->addMenu(newMenu);
    addMenuItems(m.file, {
        {"Open1", "&Open...", "Ctrl+Shift+Alt+O", [host] { host->openDocuments(); }},
    });
    QMenu *reopenMenu = namedMenu(m.file, "Reopen1", "&Reopen");
    m.file->addMenu(reopenMenu);
    connect(m.file, &QMenu::aboutToShow, this, [host, reopenMenu] { host->fillReopenMenu(reopenMenu); });
    addMenuItems(m.file, {
        {"Save1", "&Save", "Ctrl+Shift+Alt+S", [this] { save(); }},
        {"saveas", "S&ave as..", "Ctrl+Shift+Alt+A", [this] { saveAs(); }},
    });
    m_severalWindowCommands << addMenuItem(m.file, {"Saveall1", "Sa&ve all", "Ctrl+Shift+Alt+L",
                                                     [host] { host->saveAll(); }});
    m.file->addSeparator();
    addMenuItem(m.file, {"Close1", "&Close", "Ctrl+Shift+Alt+C", [this] { close(); }});
    m_severalWindowCommands << addMenuItem(m.file, {"Closeall1", "Close al&l", "Ctrl+Shift+Alt+Q",
                                                     [this] { closeAll(); }});
    m.file->addSeparator();
    c.insertFrom = addMenuItem(m.file, {"Insertfrom1", "&Insert textfile...", "Ctrl+Shift+Alt+T",
                                        [this] { insertTextFile(); }});
    addMenuItems(m.file, {
        {nullptr},
        {"Printersetup1", "&Print...", "Ctrl+Shift+Alt+P", [this] { print(); }},
        {nullptr},
        {"Exit2", "E&xit", "Ctrl+Shift+Alt+X", [host] { host->exitProgram(); }},
    });

    m.view = namedMenu(this, "View1", "&View");
    const QList<QAction *> bars = addMenuItems(m.view, {
        {"Toolbar1", "&Tool bar", "Shift+Alt+T", [host] { host->toggleToolBar(); }, true},
        {"Statusbar1", "&Status bar", "Shift+Alt+S", [host] { host->toggleStatusBar(); }, true},
    });
    addMenuItems(m.view, {
        {"Filelist1", "&File list", "Shift+Alt+F", [host] { host->toggleFileList(); }, true},
        {nullptr},
    });
    c.tagTemplates = addMenuItem(m.view, {"Tagtemplates1", "&Tag templates", "Shift+Alt+M", {}, true});
    c.wordWrap = addMenuItem(m.view, {"Wordwrapping2", "&Word wrapping", "Shift+Alt+W",
                                      [this] { toggleWordWrap(); }, true});
    c.autoSave = addMenuItem(m.view, {"Autosave1", "&Autosave", "Shift+Alt+A", [this] { toggleAutoSave(); }, true});
    c.lineNumbers = addMenuItem(m.view, {"Linenumbers1", "&Line numbers", "Shift+Alt+N",
                                         [this] { toggleLineNumbers(); }, true});
    for (QAction *bar : bars)
        bar->setChecked(true);
    c.wordWrap->setChecked(true);

    m.edit = namedMenu(this, "Edit1", "&Edit");
    c.undo = addMenuItem(m.edit, {"Undolasttag1", "&Undo ", "Ctrl+Z", [this] { undo(); }});
    c.redo = addMenuItem(m.edit, {"Undoundo1", "&Redo", "Ctrl+Shift+Z", [this] { redo(); }});
    m.edit->addSeparator();
    // Their commands are the text operations'.
    c.copy = addMenuItem(m.edit, {"Copy1", "&Copy", "Ctrl+C"});
    c.cut = addMenuItem(m.edit, {"Cut1", "Cu&t", "Ctrl+X"});
    c.paste = addMenuItem(m.edit, {"Paste1", "&Paste", "Ctrl+V"});
    c.del = addMenuItem(m.edit, {"Delete1", "&Delete", "Ctrl+D"});
    m.edit->addSeparator();
    c.search = addMenuItem(m.edit, {"Search2", "&Search", "Ctrl+S", [host] { host->search(); }});
    addMenuItem(m.edit, {"Replace2", "&Replace", "Ctrl+R", [host] { host->replace(); }});
    connect(m.edit, &QMenu::aboutToShow, this, &Teditform::updateEditCommands);

    // Filled by the command families; opening the Tags menu counts as a change.
    m.tags = namedMenu(this, "Tags1", "&Tags");
    connect(m.tags, &QMenu::aboutToShow, this, &Teditform::memoChanged);
    m.scripts = namedMenu(this, "Events1", "&Javascripts");
    m.layers = namedMenu(this, "LayerDHTML1", "&Layer/DHTML");
    m.defined = namedMenu(this, "Defined1", "&Defined");
    m.misc = namedMenu(this, "Div1", "&Misc");

    m.window = namedMenu(this, "Window1", "&Window");
    m_severalWindowCommands << addMenuItems(m.window, {
        {"Tile1", "&Tile", "Ctrl+Alt+T", [host] { host->tileWindows(); }},
        {"Cascade1", "&Cascade", "Ctrl+Alt+C", [host] { host->cascadeWindows(); }},
        {"Arrangeall1", "&Arrange all", "Ctrl+Alt+A", [host] { host->arrangeIcons(); }},
    });
    addMenuItems(m.window, {
        {"Maximize1", "&Maximize", "Ctrl+M", [this] { showMaximized(); }},
        {"Minimize1", "Min&imize", "Ctrl+Alt+M", [this] { showMinimized(); }},
    });
    m_severalWindowCommands << addMenuItems(m.window, {
        {"Next1", "&Next", "Alt+Right", [host] { host->activateNextWindow(); }},
        {"Previous1", "&Previous", "Alt+Left", [host] { host->activatePreviousWindow(); }},
    });
    addMenuItems(m.window, {
        {nullptr},
        {"LaunchBrowser1", "&Launch Browser", "Ctrl+Alt+B", [this] { launchBrowser(); }},
        {nullptr},
    });
    connect(m.window, &QMenu::aboutToShow, this, &Teditform::fillWindowList);

    installTextOperations(*this);
    installTagCommands(*this);
    m_attributePopups = new AttributePopups(*this);
    installAttributeCommands(*this);
    addMenuItem(m.misc, {"Spellcheck1", "&Spell check", "Ctrl+Shift+S", [this] { m_host->spellCheck(this); }});
    installSnippetCommands(*this);
    installDefinedTagCommands(*this);
}

void Teditform::reserveMenuShortcuts()
{
    QList<QKeySequence> reserved = m_host->hostShortcuts();
    const QList<QAction *> actions = findChildren<QAction *>();
    for (QAction *action : actions) {
        reserved << action->shortcuts();
    }
    m_memo->setReservedShortcuts(reserved);
}

QList<QMenu *> Teditform::fileViewMenus() const
{
    return {m_menus.file, m_menus.view};
}

QList<QMenu *> Teditform::editingMenus() const
{
    const Menus &m = m_menus;
    return {m.edit, m.tags, m.scripts, m.layers, m.defined, m.misc, m.window};
}

void Teditform::ApplyLanguage()
{
    applyCaptions(this, EditorCaptions, settings().Lang);
    if (!m_document->isNamed() && m_document->fileName() != placeholderName()) {
        m_document->setPlaceholder(m_document->kind(), placeholderName());
        setWindowTitle(m_document->fileName());
        if (m_host->activeEditor() == this)
            ShowDocumentStatus();
    }
}

QString Teditform::placeholderName() const
{
    return m_document->kind() == Document::Kind::Untitled ? SharedTexts::UntitledName.text()
                                                         : SharedTexts::BlankName.text();
}

bool Teditform::tagTemplatesMode() const
{
    return m_commands.tagTemplates->isChecked();
}

QString Teditform::baseName() const
{
    return m_document->isNamed() ? QFileInfo(m_document->fileName()).fileName() : m_document->fileName();
}

void Teditform::setAutoSave(bool on)
{
    m_autoSaveOn = on;
    m_commands.autoSave->setChecked(on);
}

bool Teditform::LoadDocument(const QString &name)
{
    if (name == SharedTexts::UntitledName.text()) {
        m_document->setPlaceholder(Document::Kind::Untitled, name);
        DocumentText &text = m_document->text();
        text.SetText(QLatin1String(NewHtmlSkeleton));
        text.SetSelStart(text.TextLength() - SkeletonCaretFromEnd);
        setAutoSave(false);
        setWindowTitle(SharedTexts::UntitledName.text());
    } else if (name == SharedTexts::BlankName.text()) {
        m_document->setPlaceholder(Document::Kind::Blank, name);
        setAutoSave(false);
        setWindowTitle(SharedTexts::BlankName.text());
    } else {
        const Document::FileResult read = m_document->load(name);
        if (!read.ok()) {
            showFileError(read);
            return false;
        }
        setAutoSave(settings().AutoSave);
        setWindowTitle(m_autoSaveOn ? baseName() + EditorTexts::AutoSaveSuffix.text() : baseName());
    }
    m_document->setModified(false);
    ShowDocumentStatus();
    UpdateCommandStates();
    return true;
}

void Teditform::reloadFile()
{
    const Document::FileResult read = m_document->reload();
    if (!read.ok()) {
        showFileError(read);
        return;
    }
    ShowDocumentStatus();
}

void Teditform::fileChangedOnDisk(FileWatch::State state)
{
    // One question about the file at a time; what changed while one was
    // open is looked at once it has been answered.
    if (m_askingAboutDisk)
        return;
    const QScopedValueRollback<bool> asking(m_askingAboutDisk, true);
    FileWatch &disk = m_document->diskWatch();
    const auto afterwards = qScopeGuard([&disk] { disk.recheck(); });
    disk.acknowledge();
    // The question is about this document: show it.
    m_host->activateEditor(this);
    if (state == FileWatch::State::Removed) {
        Prompts::message(Prompts::Kind::Warning, EditorTexts::FileRemoved.text().arg(m_document->fileName()));
        // Closing the window now asks before the text is lost as well.
        memoChanged();
        return;
    }
    // A modified document is asked about when it is saved.
    if (!m_document->isModified()
        && Prompts::message(Prompts::Kind::Confirmation, EditorTexts::ReloadQuestion.text().arg(m_document->fileName()),
                            Prompts::Button::Yes | Prompts::Button::No)
               == Prompts::Button::Yes)
        reloadFile();
}

bool Teditform::mayWriteOverDisk()
{
    FileWatch &disk = m_document->diskWatch();
    if (disk.state() != FileWatch::State::Changed)
        return true;
    const QScopedValueRollback<bool> asking(m_askingAboutDisk, true);
    const auto afterwards = qScopeGuard([&disk] { disk.recheck(); });
    using namespace EditorTexts;
    enum { SaveAnyway, Reload, Cancel };
    Prompts::Choice question;
    question.kind = Prompts::Kind::Warning;
    question.text = OverwriteQuestion.text().arg(m_document->fileName());
    question.choices = {SaveAnywayChoice.text(), ReloadChoice.text(), CancelChoice.text()};
    question.defaultChoice = Cancel;
    question.escapeChoice = Cancel;
    switch (Prompts::choose(question)) {
    case SaveAnyway:
        return true;
    case Reload:
        reloadFile();
        return false;
    default:
        return false;
    }
}

void Teditform::autoSave()
{
    if (m_document->diskWatch().state() != FileWatch::State::Changed)
        writeDocument();
}

void Teditform::showFileError(const Document::FileResult &result)
{
    using namespace EditorTexts;
    QString text;
    switch (result.error) {
    case TextFile::Error::Unencodable:
        text = Unencodable.text().arg(result.path, result.detail);
        break;
    case TextFile::Error::WriteFailed:
        text = WriteError.text().arg(result.path, result.detail);
        break;
    default:
        text = readErrorText(result.path, result.error, result.detail);
        break;
    }
    Prompts::message(Prompts::Kind::Error, text);
}

bool Teditform::writeDocument(bool clearModified)
{
    const Document::FileResult written = m_document->save(clearModified);
    if (!written.ok()) {
        showFileError(written);
        return false;
    }
    return true;
}

void Teditform::memoChanged()
{
    m_document->setModified(true);
    m_host->setStatusText(1, SharedTexts::ByteCount.text().arg(m_document->text().TextLength()));
    m_host->setStatusText(2, SharedTexts::ModifiedText.text());
    ShowCaretPosition();
}

void Teditform::ShowCaretPosition()
{
    DocumentText &text = m_document->text();
    m_caretPanel->showText(EditorTexts::CaretPosition.text().arg(text.CaretLine()).arg(text.CaretColumn()));
}

void Teditform::ShowDocumentStatus()
{
    m_host->setStatusText(3, QStringLiteral("%1 %2").arg(m_host->EditorCount()).arg(SharedTexts::WindowsText.text()));
    m_host->setStatusText(2, m_document->isModified() ? SharedTexts::ModifiedText.text() : QString());
    m_host->setStatusText(1, SharedTexts::ByteCount.text().arg(m_document->text().TextLength()));
    m_host->setStatusText(4, m_document->fileName());
}

void Teditform::UpdateCommandStates()
{
    const int count = m_host->EditorCount();
    const bool any = count >= 1;
    const bool several = count >= 2;
    for (HostCommand c : {HostCommand::SaveButton, HostCommand::SaveAsButton, HostCommand::CloseButton,
                          HostCommand::PrintButton, HostCommand::InsertButton,
                          HostCommand::InsertFromButton, HostCommand::SearchButton,
                          HostCommand::ReplaceButton})
        m_host->setCommandEnabled(c, any);
    for (HostCommand c : {HostCommand::SaveAllButton, HostCommand::CloseAllButton,
                          HostCommand::TileButton, HostCommand::CascadeButton})
        m_host->setCommandEnabled(c, several);
    for (HostCommand c : {HostCommand::FramesWizard, HostCommand::SaveConfiguration,
                          HostCommand::LoadConfiguration, HostCommand::ConfigButton})
        m_host->setCommandEnabled(c, !any);
    m_host->setCommandEnabled(HostCommand::UploadButton, any && m_document->isNamed());
    m_host->setCommandEnabled(HostCommand::UploadFile, any && m_document->isNamed());
    if (!any) {
        m_host->setCommandEnabled(HostCommand::UndoButton, false);
        m_host->setCommandEnabled(HostCommand::RedoButton, false);
    }
    for (QAction *command : std::as_const(m_severalWindowCommands))
        command->setEnabled(several);
}

void Teditform::updateEditCommands()
{
    const bool selection = m_memo->textCursor().hasSelection();
    for (QAction *command : {m_commands.copy, m_commands.cut, m_commands.del})
        command->setEnabled(selection);
    m_commands.paste->setEnabled(!QApplication::clipboard()->text().isEmpty());
}

void Teditform::updateUndoCommands()
{
    m_host->setCommandEnabled(HostCommand::UndoButton, m_commands.undo->isEnabled());
    m_host->setCommandEnabled(HostCommand::RedoButton, m_commands.redo->isEnabled());
}

void Teditform::showUndoState()
{
    m_commands.undo->setEnabled(m_document->canUndo());
    m_commands.redo->setEnabled(m_document->canRedo());
    updateUndoCommands();
}

void Teditform::undo()
{
    m_document->undo();
    m_memo->setFocus();
    // Replacing the text resets the control's modified flag; the document did change.
    memoChanged();
    m_memo->ensureCursorVisible();
}

void Teditform::redo()
{
    m_document->redo();
    memoChanged();
    m_memo->ensureCursorVisible();
}

void Teditform::save()
{
    trySave();
    m_memo->setFocus();
}

bool Teditform::trySave()
{
    if (!m_document->isNamed()) {
        saveAs();
        return m_document->isNamed() && !m_document->isModified();
    }
    if (!mayWriteOverDisk() || !writeDocument())
        return false;
    m_host->setStatusText(2, QString());
    return true;
}

void Teditform::saveAs()
{
    Prompts::FileDialog dialog;
    dialog.title = EditorTexts::SaveDialogTitle.text();
    dialog.directory = settings().SaveDir;
    dialog.filter = SharedTexts::OpenFilter.text();
    dialog.defaultSuffix = QStringLiteral("htm");
    if (m_document->isNamed())
        dialog.fileName = m_document->fileName();
    const Prompts::FileResult chosen = Prompts::saveFile(dialog);
    if (!chosen.accepted())
        return;

    const Document::FileResult written = m_document->saveAs(chosen.path());
    if (!written.ok()) {
        showFileError(written);
        return;
    }
    m_host->setCommandEnabled(HostCommand::UploadFile, true);
    m_host->setCommandEnabled(HostCommand::UploadButton, true);
    m_host->rememberFile(m_document->fileName());
    setWindowTitle(baseName());
    m_host->setStatusText(2, QString());
    m_host->setStatusText(4, m_document->fileName());
}

void Teditform::insertTextFile()
{
    if (m_document->text().SelLength() == 0) {
        Prompts::FileDialog dialog;
        dialog.title = EditorTexts::InsertDialogTitle.text();
        dialog.directory = settings().TextDir;
        dialog.filter = EditorTexts::TextFileFilter.text();
        const Prompts::FileResult chosen = Prompts::openFile(dialog);
        if (chosen.accepted()) {
            const Document::FileResult read = m_document->insertFile(chosen.path());
            if (!read.ok())
                showFileError(read);
        }
    }
    m_memo->setFocus();
}

void Teditform::print()
{
    if (m_document->text().TextLength() == 0)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(baseName());
    if (!Prompts::print(printer, PrintDialogHelp))
        return;
    QTextDocument page;
    page.setDefaultFont(m_memo->font());
    page.setPlainText(m_document->text().Lines().join(QLatin1Char('\n')));
    page.print(&printer);
}

void Teditform::toggleAutoSave()
{
    if (m_autoSaveOn) {
        setAutoSave(false);
        setWindowTitle(baseName());
    } else if (m_document->isNamed() && QFileInfo(m_document->fileName()).isFile()) {
        setAutoSave(true);
        setWindowTitle(baseName() + EditorTexts::AutoSaveSuffix.text());
    } else {
        setAutoSave(false);
        Prompts::message(Prompts::Kind::Error, EditorTexts::NotNamedMessage.text());
    }
}

void Teditform::toggleWordWrap()
{
    m_memo->SetWordWrap(m_commands.wordWrap->isChecked());
}

void Teditform::toggleLineNumbers()
{
    settings().LineNumbers = m_commands.lineNumbers->isChecked();
    SaveLineNumbers();
    // One setting: every open window follows.
    showLineNumbers(settings().LineNumbers);
    for (Teditform *editor : m_host->editors())
        editor->showLineNumbers(settings().LineNumbers);
}

void Teditform::showLineNumbers(bool on)
{
    m_commands.lineNumbers->setChecked(on);
    m_memo->SetLineNumbers(on);
}

void Teditform::launchBrowser()
{
    m_host->saveAllAndLaunch(m_document->fileName());
}

void Teditform::closeAll()
{
    m_host->setClosingAll(true);
    close();
}

void Teditform::FormActivate()
{
    m_memo->setFont(QFont(settings().FontType, settings().FontSize));
    setWindowTitle(m_autoSaveOn ? baseName() + QLatin1Char(' ') + EditorTexts::AutoSaveSuffix.text()
                                : baseName());
    ShowDocumentStatus();
    UpdateCommandStates();
    updateUndoCommands();
    if (m_host->ClosingAll()) {
        QTimer::singleShot(0, this, [this] {
            if (m_host->ClosingAll())
                close();
        });
    }
}

bool Teditform::FormCloseQuery()
{
    if (!m_document->isModified())
        return true;
    const Prompts::Button answer =
        Prompts::message(Prompts::Kind::Plain, windowTitle() + EditorTexts::SaveFirstQuestion.text(),
                         Prompts::Button::Yes | Prompts::Button::No | Prompts::Button::Cancel);
    switch (answer) {
    case Prompts::Button::Yes:
        // Also stays open when the file was reloaded instead: Undo can still
        // bring the text back.
        return trySave();
    case Prompts::Button::No:
        return true;
    default:
        return false;
    }
}

void Teditform::closeWithoutQuery()
{
    m_queryDone = true;
    close();
}

void Teditform::closeEvent(QCloseEvent *event)
{
    if (!m_queryDone && !FormCloseQuery()) {
        // A cancelled question ends Close all, or the next window to become
        // active would close without the user having asked for it.
        m_host->setClosingAll(false);
        event->ignore();
        return;
    }
    m_queryDone = true;
    FormClose();
    m_host->editorClosing(this);
    QMdiSubWindow::closeEvent(event);
}

bool Teditform::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_memo->viewport())
        return QMdiSubWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        m_host->setStatusText(0, QString());
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // Files dropped on the text open in windows of their own; dropped
        // text is the control's to insert.
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = Desktop::droppedFiles(drop->mimeData());
        if (files.isEmpty())
            break;
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            m_host->openFiles(files);
        return true;
    }
    default:
        break;
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void Teditform::FormClose()
{
    const int remaining = m_host->EditorCount() - 1;
    m_host->setEditorCount(remaining);
    if (remaining == 0) {
        m_host->setStatusText(1, QString());
        m_host->setStatusText(2, QString());
        m_host->setStatusText(4, QString());
        m_host->setStatusText(3, QStringLiteral("0 ") + SharedTexts::WindowsText.text());
        m_host->setClosingAll(false);
    }
    UpdateCommandStates();
}

void Teditform::fillWindowList()
{
    qDeleteAll(m_windowList);
    m_windowList.clear();
    const QList<Teditform *> editors = m_host->editors();
    for (int i = 0; i < editors.size(); ++i) {
        Teditform *editor = editors.at(i);
        QAction *entry = m_menus.window->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(editor->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(editor == this);
        connect(entry, &QAction::triggered, this, [this, target = QPointer<Teditform>(editor)] {
            if (target)
                m_host->activateEditor(target);
        });
        m_windowList << entry;
    }
}
