#include "ui/captions.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSet>
#include <QTabWidget>
#include <QToolButton>

namespace {

const char NotCaptioned[] = "markvaleNotCaptioned";

CaptionObserver *&observer()
{
    static CaptionObserver *current = nullptr;
    return current;
}

bool checking()
{
#ifdef NDEBUG
    return observer() != nullptr;
#else
    return true;
#endif
}

void report(const QString &problem)
{
    if (observer())
        observer()->problem(problem);
    else
        qWarning("%s", qPrintable(problem));
}

QTabWidget *tabsOf(QWidget *page)
{
    QWidget *stack = page->parentWidget();
    auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
    return tabs && tabs->indexOf(page) >= 0 ? tabs : nullptr;
}

void setCaption(QObject *object, const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(object)) {
        action->setText(text);
    } else if (auto *menu = qobject_cast<QMenu *>(object)) {
        menu->setTitle(text);
    } else if (auto *button = qobject_cast<QAbstractButton *>(object)) {
        button->setText(text);
    } else if (auto *label = qobject_cast<QLabel *>(object)) {
        label->setText(text);
    } else if (auto *group = qobject_cast<QGroupBox *>(object)) {
        group->setTitle(text);
    } else if (auto *widget = qobject_cast<QWidget *>(object)) {
        // A page of a tab widget is captioned by its tab.
        if (QTabWidget *tabs = tabsOf(widget))
            tabs->setTabText(tabs->indexOf(widget), text);
        else
            widget->setWindowTitle(text);
    }
}

void setHint(QObject *object, const QString &text)
{
    if (auto *action = qobject_cast<QAction *>(object)) {
        action->setStatusTip(text);
        action->setToolTip(text);
    } else if (auto *widget = qobject_cast<QWidget *>(object)) {
        widget->setStatusTip(text);
        widget->setToolTip(text);
    }
}

// The caption a user reads on a control, empty where it shows none.
QString captionOf(QObject *object, bool isRoot)
{
    if (auto *action = qobject_cast<QAction *>(object)) {
        // A menu's own action shows the menu's title, covered by the menu.
        return action->isSeparator() || action->menu() ? QString() : action->text();
    }
    if (auto *menu = qobject_cast<QMenu *>(object))
        return menu->title();
    if (auto *button = qobject_cast<QAbstractButton *>(object)) {
        // A tool button shows its action's text; a standard button is the toolkit's.
        auto *tool = qobject_cast<QToolButton *>(button);
        auto *box = qobject_cast<QDialogButtonBox *>(button->parent());
        if ((tool && tool->defaultAction()) || (box && box->standardButton(button) != QDialogButtonBox::NoButton))
            return QString();
        return button->text();
    }
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(object))
        return group->title();
    if (auto *widget = qobject_cast<QWidget *>(object)) {
        if (QTabWidget *tabs = tabsOf(widget))
            return tabs->tabText(tabs->indexOf(widget));
        if (isRoot)
            return widget->windowTitle();
    }
    return QString();
}

QString describe(QObject *object)
{
    QString text = QStringLiteral("%1 '%2'").arg(QLatin1String(object->metaObject()->className()), object->objectName());
    if (object->objectName().isEmpty() && object->parent())
        text += QStringLiteral(" in ") + describe(object->parent());
    return text;
}

bool hasWords(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Windows inside a window (dialogs, editor windows) have tables of their own.
bool isOtherWindow(QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    return widget && ((widget->isWindow() && !qobject_cast<QMenu *>(widget)) || qobject_cast<QMdiSubWindow *>(widget));
}

void findUncovered(QObject *object, bool isRoot, const QSet<QString> &covered, QStringList &found)
{
    const QString name = object->objectName();
    if (!object->property(NotCaptioned).toBool() && !name.startsWith(QLatin1String("qt_"))
        && !covered.contains(name)) {
        const QString caption = captionOf(object, isRoot);
        if (hasWords(caption))
            found << QStringLiteral("%1 shows \"%2\"").arg(describe(object), caption);
    }
    for (QObject *child : object->children()) {
        if (!isOtherWindow(child))
            findUncovered(child, false, covered, found);
    }
}

void check(QObject *root, const QList<const CaptionTable *> &tables)
{
    QSet<QString> covered;
    for (const CaptionTable *table : tables) {
        for (const CaptionRow &row : *table) {
            if (!findCaptioned(root, row.name))
                report(QStringLiteral("%1: no control %2").arg(QString::fromUtf8(table->window()), QLatin1String(row.name)));
            covered.insert(QLatin1String(row.name));
        }
    }
    QStringList uncovered;
    findUncovered(root, true, covered, uncovered);
    for (const QString &control : std::as_const(uncovered))
        report(QStringLiteral("%1: %2 that no row covers").arg(QString::fromUtf8(tables.first()->window()), control));
}

} // namespace

QObject *findCaptioned(QObject *root, const char *name)
{
    const QString wanted = QLatin1String(name);
    if (root->objectName() == wanted)
        return root;
    // A window's own controls come before same-named ones of its child windows.
    if (QObject *own = root->findChild<QObject *>(wanted, Qt::FindDirectChildrenOnly))
        return own;
    return root->findChild<QObject *>(wanted);
}

void applyCaptions(QObject *root, std::initializer_list<const CaptionTable *> tables, int lang)
{
    if (lang == English || lang == Danish || lang == German) {
        for (const CaptionTable *table : tables) {
            for (const CaptionRow &row : *table) {
                QObject *object = findCaptioned(root, row.name);
                if (!object)
                    continue;
                const QString text = pick(row.text, lang);
                if (table->role() == CaptionRole::Hint)
                    setHint(object, text);
                else
                    setCaption(object, text);
            }
        }
    }
    if (checking() && tables.size() > 0) {
        const QList<const CaptionTable *> list(tables);
        check(root, list);
        if (observer())
            observer()->applied(root, list, lang);
    }
}

void applyCaptions(QObject *root, const CaptionTable &table, int lang)
{
    applyCaptions(root, {&table}, lang);
}

void markNotCaptioned(QObject *object)
{
    object->setProperty(NotCaptioned, true);
}

void setDesignCaption(QObject *object, const char *caption)
{
    setCaption(object, QString::fromUtf8(caption));
}

void setNameCaption(QObject *object, const QString &name)
{
    setCaption(object, name);
    markNotCaptioned(object);
}

CaptionObserver *setCaptionObserver(CaptionObserver *next)
{
    CaptionObserver *previous = observer();
    observer() = next;
    return previous;
}
