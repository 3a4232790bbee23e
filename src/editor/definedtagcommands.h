#pragma once

class Teditform;

// The Defined menu: ten user-defined tags and the dialog that sets them.
namespace DefinedTagCommands {

// Inserts slot `slot` around the selection.
void def9Click(Teditform &editor, int slot);
// Opens the dialog, then refreshes this window's ten captions.
void Setdefinedtag1Click(Teditform &editor);
// Captions of def0 to def9 from the slots' titles.
void updateCaptions(Teditform &editor);

} // namespace DefinedTagCommands
