#include "editor/editorcommands.h"

#include "editor/editform.h"
#include "editor/menubuilder.h"
#include "editor/taginserter.h"
#include "editor/tagrows.h"
#include "ui/captions.h"

#include <QHash>
#include <QMenu>

#include <functional>

void installTagCommands(Teditform &editor)
{
    auto *inserter = new TagInserter(editor);
    QMenu *tagsMenu = editor.menus().tags;

    QHash<QString, QMenu *> submenus;
    QHash<QString, const TagSubmenu *> rows;
    for (const TagSubmenu &row : tagSubmenus())
        rows.insert(QLatin1String(row.name), &row);
    // A submenu takes its place in its parent when its first item comes up.
    std::function<QMenu *(const QString &)> submenu = [&](const QString &name) {
        if (QMenu *placed = submenus.value(name))
            return placed;
        const TagSubmenu *row = rows.value(name);
        QMenu *parent = row->parent ? submenu(QLatin1String(row->parent)) : tagsMenu;
        QMenu *menu = namedMenu(parent, row->name, row->caption);
        parent->addMenu(menu);
        submenus.insert(name, menu);
        return menu;
    };

    for (const TagItem &item : tagItems()) {
        QMenu *menu = submenu(QLatin1String(item.submenu));
        // Qt menus have no column breaks; a dividing bar keeps the grouping.
        if (item.newColumn)
            menu->addSeparator();
        const int tag = item.tag;
        if (tag == StandardItem) {
            addMenuItems(menu, {{item.name, item.caption, item.shortcut, [inserter] { inserter->insertMetaTags(); }}});
            menu->setDefaultAction(menu->actions().constLast());
        } else {
            addMenuItem(menu, {item.name, item.caption, item.shortcut, [inserter, tag] { inserter->insertTag(tag); }});
        }
        markNotCaptioned(menu->actions().constLast()); // an element's name

    }
}
