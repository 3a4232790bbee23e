#include "settings/captiontable.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace {

QObject *findNamed(QObject *root, const char *name)
{
    const QString wanted = QLatin1String(name);
    if (root->objectName() == wanted)
        return root;
    // A window's own controls come before same-named ones of its child windows.
    if (QObject *own = root->findChild<QObject *>(wanted, Qt::FindDirectChildrenOnly))
        return own;
    return root->findChild<QObject *>(wanted);
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
        QWidget *stack = widget->parentWidget();
        auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(widget) >= 0)
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

} // namespace

void applyCaptions(QObject *root, CaptionTable table, int lang, CaptionRole role)
{
    if (lang != English && lang != Danish && lang != German)
        return;
    for (const CaptionRow &row : table) {
        QObject *object = findNamed(root, row.name);
        if (!object)
            continue;
        const QString text = pick(row.text, lang);
        if (role == CaptionRole::Hint)
            setHint(object, text);
        else
            setCaption(object, text);
    }
}
