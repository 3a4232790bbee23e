#pragma once

class Teditform;

// The commands of the Javascripts and Layer/DHTML menus and Misc's link block.
namespace SnippetCommands {

// Inserts the Javascripts item of that index (0 to 6) and places the caret.
void insertSnippet(Teditform &editor, int index);
void insertLinkToMarkvale(Teditform &editor);
// The layer generator with its two dialogs.
void generateLayers(Teditform &editor);

} // namespace SnippetCommands
