#pragma once

#include <QString>

class EditorHost;

// Inserts a snippet at the caret of the active editor window, after an undo
// step; asks first when it would replace a selection. Nothing without an
// editor window.
void insertProjectSnippet(EditorHost &host, const QString &text);
