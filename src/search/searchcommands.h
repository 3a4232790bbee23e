#pragma once

class EditorHost;

// Search and Replace of the tool bar and the Edit menu, over the active
// document or all open documents.
void Search(EditorHost &host);
void Replace(EditorHost &host);

