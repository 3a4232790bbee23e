#pragma once

class Teditform;

// Each command family adds its items to the editor window's menus and keeps
// its handlers in its own files. Called once per window, in this order.
void installTextOperations(Teditform &editor);     // Edit extras, Misc entities
void installTagCommands(Teditform &editor);        // Tags menu
void installAttributeCommands(Teditform &editor);  // attribute menus, Get color
void installSnippetCommands(Teditform &editor);    // Javascripts, Layer/DHTML, link
void installDefinedTagCommands(Teditform &editor); // Defined menu
