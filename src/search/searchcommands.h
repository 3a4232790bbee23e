#pragma once

class EditorWindows;

// Search and Replace of the tool bar and the Edit menu, over the active
// document or all open documents.
void Search(EditorWindows &windows);
void Replace(EditorWindows &windows);

