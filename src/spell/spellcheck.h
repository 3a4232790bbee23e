#pragma once

class Teditform;

// The editor's Spellcheck command: checks the document of the editor window
// against the dictionary of the current language, in the checker's dialog,
// changing the words in the document itself. Returns when the check has
// finished; says nothing when there was nothing to ask. The other windows
// stay usable meanwhile: edits in the document stop the check until Start.
void SpellCheck(Teditform &editor);
