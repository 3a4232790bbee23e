#pragma once

#include "settings/tagtable.h"

#include <QString>

#include <optional>

struct AttributeItem;
struct AttributeModeRow;

// Text to put in place of the selection, and where the caret goes, counted
// from the first inserted character. The caret may lie before the insertion
// (a stored template with a large back value); the caller clamps it.
struct TagInsertion
{
    QString text;
    int caret = 0;
};

// State shared by the tag commands and the attribute menus of all windows.
struct TagState
{
    QString SelectedText;
    int SelectionLength = 0;
    int StopPosition = 0;   // where Stop puts the caret
    int AttributeCount = 0; // attributes added to the element so far
};
TagState &tagState();

// Table mode: the template around the selection, by the tag's kind. No value
// for a single element over a selection, which inserts nothing.
std::optional<TagInsertion> tableModeInsertion(int tag, const TagTemplate &entry, const QString &selection);

// Attribute-menu mode: the row's fixed text around the selection.
TagInsertion attributeModeInsertion(const AttributeModeRow &row, const QString &selection);

// The meta group: templates 21 to 25, one per line, caret in the first value.
TagInsertion standardInsertion(const TagTemplates &table);

// Table mode's picture: template 10 on a line of its own, caret into src.
TagInsertion tablePictureInsertion(const TagTemplate &entry);

// Attribute-menu mode's picture; its caret is also the stop.
TagInsertion attributePictureInsertion();

// Moves of the caret from one value of the picture tag to the next: after
// the file name, after the height, after the width.
struct PictureSteps
{
    int toHeight;
    int toWidth;
    int afterWidth;
};
constexpr PictureSteps TablePictureSteps = {10, 9, 10};
constexpr PictureSteps AttributePictureSteps = {10, 9, 1};
// With the dialog cancelled, attribute-menu mode moves from src to before ">".
constexpr int CancelledPictureStep = 20;

// Ctrl+N: the column of the next empty attribute value in a line, between
// two quotes or right after a "#" colour start; no value when there is none.
std::optional<int> nextEmptyValueColumn(const QString &line);

// Adds an attribute inserted at position `at` to the state of the running
// sequence; the first counted one decides where Stop goes.
void addAttribute(TagState &state, const AttributeItem &item, int at);

// Six upper-case hexadecimal digits, red first, without "#".
QString colorCode(int red, int green, int blue);
