#pragma once

#include <QString>

class QMenu;
class Teditform;

// The editing commands of the Edit, File and Misc menus that are not tag
// insertion, and the memo's menu of special characters. Each handler acts on
// one editor window; the menus call them.
namespace TextOperations {

void Copy1Click(Teditform &editor);
void Cut1Click(Teditform &editor);
void Paste1Click(Teditform &editor);
void Delete1Click(Teditform &editor);
void Deleteline1Click(Teditform &editor);
void Selectall1Click(Teditform &editor);
void Topofpage1Click(Teditform &editor);
void Bottomofpage1Click(Teditform &editor);
void Jumpto1Click(Teditform &editor);
void Setlinebreaks1Click(Teditform &editor);
void removelinebreaks1Click(Teditform &editor);
void Removeemptylines1Click(Teditform &editor);
void Insertfromtextfile1Click(Teditform &editor);
void Space2Click(Teditform &editor);
void intext1Click(Teditform &editor);
void intext2Click(Teditform &editor);
// The one handler of all character items of the context menu.
void N46Click(Teditform &editor, const QString &character);

// Inserts text at the caret when nothing is selected, recording the document
// first; with a selection it does nothing. Returns whether it inserted.
bool insertAtCaret(Teditform &editor, const QString &text);

// Scrolls so that the caret's line is the first visible line, as far as the
// memo can scroll.
void scrollToCaretLine(Teditform &editor);

// The text picked in the text-file picker and the file it showed last;
// program-wide, empty at start.
QString &PickedText();
QString &LastTextFile();

} // namespace TextOperations
