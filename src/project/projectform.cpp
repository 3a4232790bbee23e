#include "project/projectform.h"

#include "editor/editorhost.h"
#include "project/projectdialogs.h"
#include "project/projecttexts.h"
#include "project/snippetinsert.h"
#include "settings/settings.h"
#include "ui/captions.h"
#include "ui/dialoghelpers.h"
#include "ui/dialogrunner.h"
#include "ui/named.h"
#include "ui/prompts.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int MinimumWidth = 391;
constexpr int MinimumHeight = 176;
constexpr int SnippetListWidth = 111;

bool lessIgnoringCase(const QString &a, const QString &b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

// Snippets show on one line each; the full text stays with the item.
QListWidgetItem *snippetItem(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QStringLiteral(" \u21b5 "));
    auto *item = new QListWidgetItem(shown.trimmed());
    item->setData(Qt::UserRole, text);
    item->setToolTip(text);
    return item;
}

QString itemText(const QListWidgetItem *item)
{
    const QVariant full = item->data(Qt::UserRole);
    return full.isValid() ? full.toString() : item->text();
}

// Both lists stay sorted alphabetically, whatever the letter case.
void insertSorted(QListWidget *list, QListWidgetItem *item)
{
    const QString key = itemText(item);
    int low = 0;
    int high = list->count();
    while (low < high) {
        const int mid = (low + high) / 2;
        if (lessIgnoringCase(itemText(list->item(mid)), key))
            low = mid + 1;
        else
            high = mid;
    }
    list->insertItem(low, item);
}

void fillSorted(QListWidget *list, QStringList texts, bool snippets)
{
    std::sort(texts.begin(), texts.end(), lessIgnoringCase);
    list->clear();
    list->setUpdatesEnabled(false);
    for (const QString &text : texts)
        list->addItem(snippets ? snippetItem(text) : new QListWidgetItem(text));
    list->setUpdatesEnabled(true);
}

QStringList textsOf(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << itemText(list->item(i));
    return texts;
}

} // namespace

Tprojectform::Tprojectform(EditorWindows &windows, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_windows(windows)
{
    setObjectName(QStringLiteral("projectform"));
    setAttribute(Qt::WA_DeleteOnClose);
    setDesignCaption(this, "Project control");

    auto *top = new QHBoxLayout;
    newButton = DialogHelpers::button(this, "BitBtn1", "&New");
    openButton = DialogHelpers::button(this, "BitBtn2", "&Open");
    saveButton = DialogHelpers::button(this, "BitBtn3", "&Save");
    exitButton = DialogHelpers::button(this, "BitBtn4", "E&xit");
    for (QPushButton *b : {newButton, openButton, saveButton, exitButton})
        top->addWidget(b);
    auto *onTop = named<QToolButton>("ToolButton1", this);
    setDesignCaption(onTop, "onTop");
    onTop->setCheckable(true);
    top->addWidget(onTop);
    top->addStretch();
    helpButton = DialogHelpers::button(this, "BitBtn13", "&Help");
    top->addWidget(helpButton);

    projectLabel = named<QLabel>("Label2", this);
    fileList = named<QListWidget>("ListBox1", this);
    fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    snippetList = named<QListWidget>("ListBox2", this);
    snippetList->setFixedWidth(SnippetListWidth);
    for (QListWidget *list : {fileList, snippetList})
        list->installEventFilter(this);
    connect(fileList, &QListWidget::itemSelectionChanged, this, &Tprojectform::refreshStatus);
    connect(snippetList, &QListWidget::itemSelectionChanged, this, &Tprojectform::refreshStatus);
    auto *lists = new QHBoxLayout;
    lists->addWidget(fileList, 1);
    lists->addWidget(snippetList);

    auto *fileLabel = named<QLabel>("Label1", QStringLiteral("File options"), this);
    auto *snippetLabel = named<QLabel>("Label3", QStringLiteral("Snippets:"), this);
    addFilesButton = DialogHelpers::button(this, "BitBtn6", "&Add file(s)");
    removeFilesButton = DialogHelpers::button(this, "BitBtn7", "&Remove file(s)");
    openFilesButton = DialogHelpers::button(this, "BitBtn5", "Open &file(s)");
    selectAllButton = DialogHelpers::button(this, "BitBtn14", "Select a&ll");
    fileHelpButton = DialogHelpers::button(this, "BitBtn8", "H&elp");
    addSnippetButton = DialogHelpers::button(this, "BitBtn9", "A&dd");
    removeSnippetButton = DialogHelpers::button(this, "BitBtn10", "Re&move");
    copySnippetButton = DialogHelpers::button(this, "BitBtn11", "Cop&y");
    snippetHelpButton = DialogHelpers::button(this, "BitBtn12", "Hel&p");
    auto *rows = new QGridLayout;
    rows->addWidget(fileLabel, 0, 0);
    int column = 1;
    for (QPushButton *b : {addFilesButton, removeFilesButton, openFilesButton, selectAllButton, fileHelpButton})
        rows->addWidget(b, 0, column++);
    rows->addWidget(snippetLabel, 1, 0);
    column = 1;
    for (QPushButton *b : {addSnippetButton, removeSnippetButton, copySnippetButton, snippetHelpButton})
        rows->addWidget(b, 1, column++);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(projectLabel);
    layout->addLayout(lists, 1);
    layout->addLayout(rows);

    const auto on = [this](QPushButton *b, auto handler) { connect(b, &QPushButton::clicked, this, handler); };
    on(newButton, &Tprojectform::newProject);
    on(openButton, &Tprojectform::openProject);
    on(saveButton, &Tprojectform::saveProject);
    on(exitButton, &QWidget::close);
    on(openFilesButton, &Tprojectform::openFiles);
    on(addFilesButton, &Tprojectform::addFiles);
    on(removeFilesButton, &Tprojectform::removeFiles);
    on(addSnippetButton, &Tprojectform::addSnippet);
    on(removeSnippetButton, &Tprojectform::removeSnippet);
    on(copySnippetButton, &Tprojectform::copySnippet);
    on(selectAllButton, &Tprojectform::selectAllFiles);
    for (const auto &[b, topic] : {std::pair{helpButton, 5300}, std::pair{fileHelpButton, 5301},
                                   std::pair{snippetHelpButton, 5302}})
        on(b, [topic = topic] { DialogRunner::showHelp(topic); });
    connect(onTop, &QToolButton::toggled, this, [this](bool down) {
        setWindowFlag(Qt::WindowStaysOnTopHint, down);
        show();
    });

    // Creation: at the right edge, 100 pixels down; nothing to add to yet.
    resize(MinimumWidth + 60, 320);
    if (const QScreen *s = screen())
        move(s->availableGeometry().right() - width(), s->availableGeometry().top() + 100);
    setProjectCommandsEnabled(false);
}

void Tprojectform::setProjectCommandsEnabled(bool enabled)
{
    for (QPushButton *b : {saveButton, addFilesButton, addSnippetButton, selectAllButton})
        b->setEnabled(enabled);
}

ProjectData Tprojectform::project() const
{
    return ProjectData{textsOf(fileList), textsOf(snippetList)};
}

void Tprojectform::ApplyLanguage()
{
    applyCaptions(this, ProjectCaptions, settings().Lang);
    refreshStatus();
}

void Tprojectform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    for (QPushButton *b : {openFilesButton, removeFilesButton, removeSnippetButton, copySnippetButton})
        b->setEnabled(false);
    m_modified = false;
    ApplyLanguage();
    focusFiles();
}

void Tprojectform::focusFiles()
{
    activateWindow();
    fileList->setFocus();
}

void Tprojectform::refreshStatus()
{
    selectAllButton->setEnabled(fileList->count() > 0 && addFilesButton->isEnabled());
    const bool files = !fileList->selectedItems().isEmpty();
    openFilesButton->setEnabled(files);
    removeFilesButton->setEnabled(files);
    const bool snippet = !snippetList->selectedItems().isEmpty();
    removeSnippetButton->setEnabled(snippet);
    copySnippetButton->setEnabled(snippet);
    projectLabel->setText(ProjectNameLabel.text() + m_projectName
                    + QStringLiteral("  %1/%2").arg(fileList->count()).arg(snippetList->count()));
}

bool Tprojectform::askBeforeDiscarding()
{
    if (!m_modified)
        return true;
    const Prompts::Button answer =
        Prompts::message(Prompts::Kind::Confirmation, ProjectSaveQuestion.text(),
                         Prompts::Button::Yes | Prompts::Button::No | Prompts::Button::Cancel);
    if (answer == Prompts::Button::Cancel || answer == Prompts::Button::None)
        return false;
    // A save that failed or was cancelled keeps the project, and the window.
    return answer != Prompts::Button::Yes || saveProject();
}

void Tprojectform::newProject()
{
    if (!askBeforeDiscarding())
        return;
    Tprojectname dialog(this);
    if (Prompts::runDialog(dialog) == QDialog::Accepted) {
        m_projectName = dialog.name() + QLatin1String(".mvp");
        fileList->clear();
        snippetList->clear();
        setProjectCommandsEnabled(true);
    }
    refreshStatus();
    fileList->setFocus();
}

void Tprojectform::openProject()
{
    if (!askBeforeDiscarding())
        return;
    Prompts::FileDialog dialog;
    dialog.filter = ProjectFilter.text();
    dialog.directory = settings().OpenDir;
    const Prompts::FileResult chosen = Prompts::openFile(dialog);
    if (!chosen.accepted())
        return;
    m_modified = false;
    const std::optional<ProjectData> project = ProjectFile::read(chosen.path());
    if (!project) {
        Prompts::message(Prompts::Kind::Error, InvalidProjectText.text());
        return;
    }
    load(*project);
    setProjectCommandsEnabled(true);
    m_projectName = QFileInfo(chosen.path()).fileName();
    refreshStatus();
}

void Tprojectform::load(const ProjectData &project)
{
    fillSorted(fileList, project.files, false);
    fillSorted(snippetList, project.snippets, true);
}

bool Tprojectform::saveProject()
{
    Prompts::FileDialog dialog;
    dialog.filter = ProjectFilter.text();
    dialog.directory = settings().SaveDir;
    dialog.fileName = m_projectName;
    dialog.defaultSuffix = QStringLiteral("mvp");
    const Prompts::FileResult chosen = Prompts::saveFile(dialog);
    if (!chosen.accepted())
        return false;
    QString detail;
    if (ProjectFile::write(chosen.path(), project(), &detail) != TextFile::Error::None) {
        Prompts::message(Prompts::Kind::Error, ProjectSaveFailed.text().arg(detail));
        return false;
    }
    m_modified = false;
    return true;
}

bool Tprojectform::addFile(const QString &path)
{
    for (int i = 0; i < fileList->count(); ++i) {
        if (fileList->item(i)->text() == path)
            return false;
    }
    insertSorted(fileList, new QListWidgetItem(path));
    m_modified = true;
    refreshStatus();
    return true;
}

void Tprojectform::addFiles()
{
    Prompts::FileDialog dialog;
    dialog.filter = ProjectDocumentFilter.text();
    dialog.directory = settings().OpenDir;
    const Prompts::FileResult chosen = Prompts::openFiles(dialog);
    if (!chosen.accepted())
        return;
    for (const QString &path : chosen.paths)
        addFile(path);
    m_modified = true;
    refreshStatus();
}

void Tprojectform::removeFiles()
{
    for (int i = fileList->count() - 1; i >= 0; --i) {
        if (fileList->item(i)->isSelected())
            delete fileList->takeItem(i);
    }
    m_modified = true;
    refreshStatus();
}

void Tprojectform::selectAllFiles()
{
    fileList->selectAll();
    refreshStatus();
}

void Tprojectform::openFiles()
{
    QStringList selected;
    for (int i = 0; i < fileList->count(); ++i) {
        if (fileList->item(i)->isSelected())
            selected << fileList->item(i)->text();
    }
    QStringList present;
    for (const QString &path : selected) {
        if (QFileInfo(path).isFile())
            present << path;
        else
            Prompts::message(Prompts::Kind::Error, path + MissingFileText.text());
    }
    // Opens each file that is not open yet, by the same test as everywhere else.
    m_windows.openFiles(present);
}

void Tprojectform::addSnippet()
{
    Tsnipform dialog(this);
    if (Prompts::runDialog(dialog) != QDialog::Accepted)
        return;
    insertSorted(snippetList, snippetItem(dialog.text()));
    m_modified = true;
    refreshStatus();
}

void Tprojectform::removeSnippet()
{
    const QList<QListWidgetItem *> selected = snippetList->selectedItems();
    for (QListWidgetItem *item : selected)
        delete snippetList->takeItem(snippetList->row(item));
    m_modified = true;
    refreshStatus();
}

void Tprojectform::copySnippet()
{
    const QList<QListWidgetItem *> selected = snippetList->selectedItems();
    if (!selected.isEmpty())
        insertProjectSnippet(m_windows, itemText(selected.first()));
}

void Tprojectform::closeEvent(QCloseEvent *event)
{
    if (!askBeforeDiscarding()) {
        event->ignore();
        return;
    }
    Q_EMIT closed();
    QWidget::closeEvent(event);
}

void Tprojectform::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (width() < MinimumWidth || height() < MinimumHeight) {
        resize(std::max(width(), MinimumWidth), std::max(height(), MinimumHeight));
        return;
    }
    if (const QScreen *s = screen()) {
        const int right = s->availableGeometry().right();
        if (frameGeometry().right() > right)
            move(x() - (frameGeometry().right() - right), y());
    }
}

bool Tprojectform::event(QEvent *event)
{
    // The main window's keys stay live in this tool window (Ctrl+E goes back
    // to the editor), but its menu bar must not take this window's Alt+letter
    // keys: they go to the button that shows them, or nowhere while it is off.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        if (QPushButton *target = mnemonicButton(static_cast<QKeyEvent *>(event))) {
            event->accept();
            if (event->type() == QEvent::KeyPress && target->isEnabled())
                target->animateClick();
            return true;
        }
    }
    return QWidget::event(event);
}

QPushButton *Tprojectform::mnemonicButton(const QKeyEvent *key) const
{
    if (key->modifiers() != Qt::AltModifier)
        return nullptr;
    const QKeySequence pressed(key->keyCombination());
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->window() == this && b->isVisible() && QKeySequence::mnemonic(b->text()) == pressed)
            return b;
    }
    return nullptr;
}

bool Tprojectform::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::MouseButtonRelease)
        refreshStatus();
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == fileList)
                openFiles();
            else if (watched == snippetList)
                copySnippet();
        }
    }
    return QWidget::eventFilter(watched, event);
}
