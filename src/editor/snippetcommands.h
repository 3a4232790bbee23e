#pragma once

class Teditform;

// The commands of the Javascripts and Layer/DHTML menus and Misc's link block.
namespace SnippetCommands {

// Inserts the Javascripts item of that index (0 to 6) and places the caret.
void insertSnippet(Teditform &editor, int index);
void LinktoMarkvale1Click(Teditform &editor);
// The layer generator with its two dialogs.
void Generator1Click(Teditform &editor);

} // namespace SnippetCommands
