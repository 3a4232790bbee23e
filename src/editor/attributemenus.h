#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The attribute pop-up menus and their items, as data.

// One attribute: what its item inserts at the caret and where, counted from
// the first inserted character, the caret should go on when it is the first
// attribute added. Items that are not counted leave the count and the stop alone.
struct AttributeItem
{
    const char *name; // object name of every item with this handler
    const char *caption;
    const char *text;
    int stopOffset; // NotCounted for flags such as " noresize"
};
constexpr int NotCounted = -1;

// nullptr for an unknown name.
const AttributeItem *attributeItem(const QString &name);

struct AttributeMenu
{
    const char *name;
    bool highlightStop; // Enter right after opening chooses Stop
    // Item names after Stop, in order; "|" starts a new column.
    const char *items;

    QStringList itemNames() const;
};

constexpr char ColumnBreak[] = "|";

const QList<AttributeMenu> &attributeMenus();
