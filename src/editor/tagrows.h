#pragma once

#include <QList>

// The Tags menu and what each tag number inserts in attribute-menu mode, as
// data. No widgets here: the menu is built from these rows elsewhere.

constexpr int PictureTag = 10;
constexpr int StandardItem = -1; // the meta group command, not a tag of its own

// One item of the Tags menu. Items follow each other in menu order; an item
// whose submenu has not been placed yet places it at that point.
struct TagItem
{
    int tag;
    const char *name;
    const char *caption;
    const char *shortcut;
    const char *submenu;
    bool newColumn = false;
};

struct TagSubmenu
{
    const char *name;
    const char *caption;
    const char *parent; // nullptr: directly in the Tags menu
};

const QList<TagItem> &tagItems();
const QList<TagSubmenu> &tagSubmenus();

// Elements without content: they refuse to wrap a selection.
bool isSingleTag(int tag);
// Elements that get no line breaks of their own in table mode.
bool isInlineTag(int tag);
// Followed by one line break after the closing text in table mode.
bool hasLineAfter(int tag);
// Content wrapped in comment lines, so old browsers skip scripts and styles.
bool isCommentWrapped(int tag);

// What attribute-menu mode inserts for a tag. The text holds %1 where the
// selection goes. Caret and stop count from the first inserted character.
struct AttributeModeRow
{
    int tag;
    const char *text;
    int caret;
    int stop;         // NoStop: the row leaves StopPosition alone
    int count;        // AttributeCount after the insertion
    const char *menu; // attribute menu to open, nullptr for none
};
constexpr int NoStop = -1;

// The row of a tag, or nullptr when the tag has none (tag 79, the picture).
const AttributeModeRow *attributeModeRow(int tag);
