#include "editor/menubuilder.h"

#include "ui/named.h"

namespace {

// Keys every Linux desktop keeps for itself: Ctrl+Alt+F1..F12 switch to a text
// console and Alt+F4 closes the window. Their items get a key the desktop
// leaves alone, named by the item's place in its menu.
struct DesktopKey
{
    const char *taken;
    const char *free;
};

const DesktopKey DesktopKeys[] = {
    {"Ctrl+Alt+F1", "Ctrl+Alt+1"},        {"Ctrl+Alt+F2", "Ctrl+Alt+2"},
    {"Ctrl+Alt+F3", "Ctrl+Alt+3"},        {"Ctrl+Alt+F4", "Ctrl+Alt+4"},
    {"Ctrl+Alt+F5", "Ctrl+Alt+5"},        {"Ctrl+Alt+F6", "Ctrl+Alt+6"},
    {"Ctrl+Alt+F7", "Ctrl+Alt+7"},        {"Ctrl+Alt+F8", "Ctrl+Alt+8"},
    {"Ctrl+Alt+F9", "Ctrl+Alt+Shift+1"},  {"Ctrl+Alt+F10", "Ctrl+Alt+Shift+2"},
    {"Ctrl+Alt+F11", "Ctrl+Alt+Shift+3"}, {"Ctrl+Alt+F12", "Ctrl+Alt+Shift+4"},
    {"Alt+F4", "Alt+4"},
};

} // namespace

QList<QKeySequence> menuShortcuts(const char *shortcut)
{
    if (!*shortcut)
        return {};
    const QKeySequence designed{QLatin1String(shortcut)};
    for (const DesktopKey &key : DesktopKeys) {
        // The menu shows the first one, the one that reaches the program.
        if (designed == QKeySequence(QLatin1String(key.taken)))
            return {QKeySequence(QLatin1String(key.free)), designed};
    }
    return {designed};
}

QAction *addMenuItem(QMenu *menu, const MenuItem &item)
{
    QAction *action = menu->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QLatin1String(item.name));
    action->setShortcuts(menuShortcuts(item.shortcut));
    action->setCheckable(item.checkable);
    if (item.run)
        QObject::connect(action, &QAction::triggered, menu, [run = item.run] { run(); });
    return action;
}

QList<QAction *> addMenuItems(QMenu *menu, std::initializer_list<MenuItem> items)
{
    QList<QAction *> added;
    for (const MenuItem &item : items) {
        if (item.name)
            added << addMenuItem(menu, item);
        else
            menu->addSeparator();
    }
    return added;
}

QMenu *namedMenu(QWidget *parent, const char *name, const char *caption)
{
    auto *menu = named<QMenu>(name, QString::fromUtf8(caption), parent);
    menu->menuAction()->setObjectName(QLatin1String(name) + QLatin1String("Action"));
    return menu;
}
