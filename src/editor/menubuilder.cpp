#include "editor/menubuilder.h"

void addMenuItems(QMenu *menu, std::initializer_list<MenuItem> items)
{
    for (const MenuItem &item : items) {
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QLatin1String(item.name));
        if (*item.shortcut)
            action->setShortcut(QKeySequence(QLatin1String(item.shortcut)));
        action->setCheckable(item.checkable);
        if (item.run)
            QObject::connect(action, &QAction::triggered, menu, [run = item.run] { run(); });
    }
}

QMenu *namedMenu(QWidget *parent, const char *name, const char *caption)
{
    auto *menu = new QMenu(QString::fromUtf8(caption), parent);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name) + QLatin1String("Action"));
    return menu;
}
