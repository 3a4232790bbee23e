#pragma once

#include <QString>

class Teditform;

// The Defined menu: ten user-defined tags and the dialog that sets them.
namespace DefinedTagCommands {

// Inserts slot `slot` around the selection.
void insertDefinedTag(Teditform &editor, int slot);
// Opens the dialog, then refreshes the ten captions of every open window.
void editDefinedTags(Teditform &editor);
// Captions of def0 to def9 from the slots' titles.
void updateCaptions(Teditform &editor);
// A slot's title as a menu shows it, character for character.
QString menuCaption(QString title);

} // namespace DefinedTagCommands
