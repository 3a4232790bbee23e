#pragma once

#include "settings/language.h"

#include <QObject>

#include <initializer_list>

// One row of a window's caption table: the object name of a control, menu,
// action or the window itself, and its text in the three languages.
struct CaptionRow
{
    const char *name;
    LangText text;
};

using CaptionTable = std::initializer_list<CaptionRow>;

enum class CaptionRole {
    Caption, // the visible text: action, menu, button, label, window title
    Hint,    // status-bar hint and tool tip of an action
};

// Sets the texts of the named objects below (or at) root for Lang 1, 2 or 3;
// any other language leaves the designed captions as they are.
void applyCaptions(QObject *root, CaptionTable table, int lang,
                   CaptionRole role = CaptionRole::Caption);
