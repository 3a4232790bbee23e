#pragma once

#include <QAction>
#include <QMenu>

#include <functional>

// One menu entry of a window's design: object name, designed caption,
// shortcut in portable text ("Ctrl+Shift+Alt+H", empty for none), and what it
// runs. A null name makes a separator.
struct MenuItem
{
    const char *name;
    const char *caption = "";
    const char *shortcut = "";
    std::function<void()> run = {};
    bool checkable = false;
};

// The keys of an item: its designed shortcut, preceded by a second one where
// the desktop takes the designed key for itself.
QList<QKeySequence> menuShortcuts(const char *shortcut);

// Adds an item to a menu, naming its action after it.
QAction *addMenuItem(QMenu *menu, const MenuItem &item);
// Adds the items to a menu; returns their actions, separators left out.
QList<QAction *> addMenuItems(QMenu *menu, std::initializer_list<MenuItem> items);

// A named sub-menu or top-level menu.
QMenu *namedMenu(QWidget *parent, const char *name, const char *caption);
