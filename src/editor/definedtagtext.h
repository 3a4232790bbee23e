#pragma once

#include "settings/settings.h"

#include <QString>

#include <optional>

// What a defined tag inserts and where it leaves the caret, and the caret
// correction the dialog stores. No widgets.
namespace DefinedTagText {

enum Kind { InLine = 1, OneLine = 2, Section = 3 };

struct Insertion
{
    QString text;     // replaces the selection
    int caretBack;    // from the end of the inserted text, the selection not counted
};

// The text for a slot around the selection; nothing for a kind other than 1 to 3.
std::optional<Insertion> insertion(const DefinedTag &tag, const QString &selection);

// The caret correction for a slot saved with the caret at `caret` in the
// opening text.
int back(Kind kind, const QString &opening, const QString &closing, int caret);

} // namespace DefinedTagText
