#pragma once

class TDrawRules;

// Appends the editor window's five HTML rules: tags, attributes, script and
// comment marks, quotes with "#" and "=", and the closing ">".
void addEditorRules(TDrawRules &rules);
