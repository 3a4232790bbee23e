#pragma once

#include <QString>

class EditorWindows;

// Inserts a snippet at the caret of the active editor window, after an undo
// step; asks first when it would replace a selection. Nothing without an
// editor window.
void insertProjectSnippet(EditorWindows &windows, const QString &text);
