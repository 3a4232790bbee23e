#pragma once

#include <QString>

class QMenu;
class Teditform;

// The editing commands of the Edit, File and Misc menus that are not tag
// insertion, and the memo's menu of special characters. Each handler acts on
// one editor window; the menus call them.
namespace TextOperations {

void copy(Teditform &editor);
void cut(Teditform &editor);
void paste(Teditform &editor);
void deleteSelection(Teditform &editor);
void deleteLine(Teditform &editor);
void selectAll(Teditform &editor);
void goToTop(Teditform &editor);
void goToBottom(Teditform &editor);
void jumpToPosition(Teditform &editor);
void setLineBreaks(Teditform &editor);
void removeLineBreaks(Teditform &editor);
void removeEmptyLines(Teditform &editor);
void insertFromTextFile(Teditform &editor);
void insertSpace(Teditform &editor);
void insertLessThan(Teditform &editor);
void insertGreaterThan(Teditform &editor);
// The one handler of all character items of the context menu.
void insertCharacter(Teditform &editor, const QString &character);

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
