#include "project/projectform.h"

#include "editor/dialogrunner.h"
#include "editor/editform.h"
#include "editor/editorhost.h"
#include "platform/prompts.h"
#include "project/projectdialogs.h"
#include "project/projecttexts.h"
#include "project/snippetinsert.h"
#include "settings/settings.h"

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

Tprojectform::Tprojectform(EditorHost &host, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_host(host)
{
    setObjectName(QStringLiteral("projectform"));
    setAttribute(Qt::WA_DeleteOnClose);
    setDesignCaption(this, "Project control");

    auto *top = new QHBoxLayout;
    for (const auto &[name, caption] : {std::pair{"BitBtn1", "&New"}, std::pair{"BitBtn2", "&Open"},
                                        std::pair{"BitBtn3", "&Save"}, std::pair{"BitBtn4", "E&xit"}})
        top->addWidget(button(name, caption));
    auto *onTop = new QToolButton(this);
    onTop->setObjectName(QStringLiteral("ToolButton1"));
    setDesignCaption(onTop, "onTop");
    onTop->setCheckable(true);
    top->addWidget(onTop);
    top->addStretch();
    top->addWidget(button("BitBtn13", "&Help"));

    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setFixedWidth(SnippetListWidth);
    for (QListWidget *list : {ListBox1, ListBox2})
        list->installEventFilter(this);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &Tprojectform::refreshStatus);
    connect(ListBox2, &QListWidget::itemSelectionChanged, this, &Tprojectform::refreshStatus);
    auto *lists = new QHBoxLayout;
    lists->addWidget(ListBox1, 1);
    lists->addWidget(ListBox2);

    auto *fileLabel = new QLabel(QStringLiteral("File options"), this);
    fileLabel->setObjectName(QStringLiteral("Label1"));
    auto *snippetLabel = new QLabel(QStringLiteral("Snippets:"), this);
    snippetLabel->setObjectName(QStringLiteral("Label3"));
    auto *rows = new QGridLayout;
    rows->addWidget(fileLabel, 0, 0);
    int column = 1;
    for (const auto &[name, caption] :
         {std::pair{"BitBtn6", "&Add file(s)"}, std::pair{"BitBtn7", "&Remove file(s)"},
          std::pair{"BitBtn5", "Open &file(s)"}, std::pair{"BitBtn14", "Select a&ll"},
          std::pair{"BitBtn8", "H&elp"}})
        rows->addWidget(button(name, caption), 0, column++);
    rows->addWidget(snippetLabel, 1, 0);
    column = 1;
    for (const auto &[name, caption] : {std::pair{"BitBtn9", "A&dd"}, std::pair{"BitBtn10", "Re&move"},
                                        std::pair{"BitBtn11", "Cop&y"}, std::pair{"BitBtn12", "Hel&p"}})
        rows->addWidget(button(name, caption), 1, column++);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Label2);
    layout->addLayout(lists, 1);
    layout->addLayout(rows);

    const auto on = [this](const char *name, auto handler) {
        connect(findChild<QPushButton *>(QLatin1String(name)), &QPushButton::clicked, this, handler);
    };
    on("BitBtn1", &Tprojectform::BitBtn1Click);
    on("BitBtn2", &Tprojectform::BitBtn2Click);
    on("BitBtn3", &Tprojectform::BitBtn3Click);
    on("BitBtn4", &QWidget::close);
    on("BitBtn5", &Tprojectform::BitBtn5Click);
    on("BitBtn6", &Tprojectform::BitBtn6Click);
    on("BitBtn7", &Tprojectform::BitBtn7Click);
    on("BitBtn9", &Tprojectform::BitBtn9Click);
    on("BitBtn10", &Tprojectform::BitBtn10Click);
    on("BitBtn11", &Tprojectform::BitBtn11Click);
    on("BitBtn14", &Tprojectform::BitBtn14Click);
    for (const auto &[name, topic] : {std::pair{"BitBtn13", 5300}, std::pair{"BitBtn8", 5301},
                                      std::pair{"BitBtn12", 5302}})
        on(name, [topic = topic] { DialogRunner::showHelp(topic); });
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

QPushButton *Tprojectform::button(const char *name, const char *caption)
{
    auto *b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

void Tprojectform::setProjectCommandsEnabled(bool enabled)
{
    for (const char *name : {"BitBtn3", "BitBtn6", "BitBtn9", "BitBtn14"})
        findChild<QPushButton *>(QLatin1String(name))->setEnabled(enabled);
}

ProjectData Tprojectform::project() const
{
    return ProjectData{textsOf(ListBox1), textsOf(ListBox2)};
}

void Tprojectform::ApplyLanguage()
{
    applyCaptions(this, ProjectCaptions, settings().Lang);
    refreshStatus();
}

void Tprojectform::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    for (const char *name : {"BitBtn5", "BitBtn7", "BitBtn10", "BitBtn11"})
        findChild<QPushButton *>(QLatin1String(name))->setEnabled(false);
    m_modified = false;
    ApplyLanguage();
    focusFiles();
}

void Tprojectform::focusFiles()
{
    activateWindow();
    ListBox1->setFocus();
}

void Tprojectform::refreshStatus()
{
    findChild<QPushButton *>(QStringLiteral("BitBtn14"))
        ->setEnabled(ListBox1->count() > 0 && findChild<QPushButton *>(QStringLiteral("BitBtn6"))->isEnabled());
    const bool files = !ListBox1->selectedItems().isEmpty();
    findChild<QPushButton *>(QStringLiteral("BitBtn5"))->setEnabled(files);
    findChild<QPushButton *>(QStringLiteral("BitBtn7"))->setEnabled(files);
    const bool snippet = !ListBox2->selectedItems().isEmpty();
    findChild<QPushButton *>(QStringLiteral("BitBtn10"))->setEnabled(snippet);
    findChild<QPushButton *>(QStringLiteral("BitBtn11"))->setEnabled(snippet);
    Label2->setText(ProjectNameLabel.text() + m_projectName
                    + QStringLiteral("  %1/%2").arg(ListBox1->count()).arg(ListBox2->count()));
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
    return answer != Prompts::Button::Yes || BitBtn3Click();
}

void Tprojectform::BitBtn1Click()
{
    if (!askBeforeDiscarding())
        return;
    Tprojectname dialog(this);
    if (Prompts::runDialog(dialog) == QDialog::Accepted) {
        m_projectName = dialog.name() + QLatin1String(".mvp");
        ListBox1->clear();
        ListBox2->clear();
        setProjectCommandsEnabled(true);
    }
    refreshStatus();
    ListBox1->setFocus();
}

void Tprojectform::BitBtn2Click()
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
    fillSorted(ListBox1, project.files, false);
    fillSorted(ListBox2, project.snippets, true);
}

bool Tprojectform::BitBtn3Click()
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
    for (int i = 0; i < ListBox1->count(); ++i) {
        if (ListBox1->item(i)->text() == path)
            return false;
    }
    insertSorted(ListBox1, new QListWidgetItem(path));
    m_modified = true;
    refreshStatus();
    return true;
}

void Tprojectform::BitBtn6Click()
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

void Tprojectform::BitBtn7Click()
{
    for (int i = ListBox1->count() - 1; i >= 0; --i) {
        if (ListBox1->item(i)->isSelected())
            delete ListBox1->takeItem(i);
    }
    m_modified = true;
    refreshStatus();
}

void Tprojectform::BitBtn14Click()
{
    ListBox1->selectAll();
    refreshStatus();
}

void Tprojectform::BitBtn5Click()
{
    QStringList selected;
    for (int i = 0; i < ListBox1->count(); ++i) {
        if (ListBox1->item(i)->isSelected())
            selected << ListBox1->item(i)->text();
    }
    for (const QString &path : selected) {
        if (!QFileInfo(path).isFile()) {
            Prompts::message(Prompts::Kind::Error, path + MissingFileText.text());
            continue;
        }
        const QList<Teditform *> open = m_host.editors();
        const bool already = std::any_of(open.begin(), open.end(),
                                         [&](const Teditform *e) { return e->FileName() == path; });
        if (!already)
            m_host.openDocument(path);
    }
}

void Tprojectform::BitBtn9Click()
{
    Tsnipform dialog(this);
    if (Prompts::runDialog(dialog) != QDialog::Accepted)
        return;
    insertSorted(ListBox2, snippetItem(dialog.text()));
    m_modified = true;
    refreshStatus();
}

void Tprojectform::BitBtn10Click()
{
    const QList<QListWidgetItem *> selected = ListBox2->selectedItems();
    for (QListWidgetItem *item : selected)
        delete ListBox2->takeItem(ListBox2->row(item));
    m_modified = true;
    refreshStatus();
}

void Tprojectform::BitBtn11Click()
{
    const QList<QListWidgetItem *> selected = ListBox2->selectedItems();
    if (!selected.isEmpty())
        insertProjectSnippet(m_host, itemText(selected.first()));
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
            if (watched == ListBox1)
                BitBtn5Click();
            else if (watched == ListBox2)
                BitBtn11Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}
