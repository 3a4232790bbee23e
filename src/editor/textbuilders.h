#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The text work of the Edit and Misc commands, kept apart from the windows so
// that it can be checked on plain strings. Line breaks are CR LF throughout.
namespace TextBuilders {

// Set line breaks: every "<br>" of the selection is dropped, then "<br>" goes
// in front of each line break, and after the last line unless the text already
// ends with "<br>" and a line break. Running it on its own result changes nothing.
QString setLineBreaks(const QString &selection);

// Remove line breaks: drops every lower-case "<br>"; "<BR>" stays.
QString removeLineBreaks(const QString &selection);

struct EmptyLinesResult
{
    QString text;
    // Where the control's caret stands after the last deletion; -1 when
    // nothing was deleted.
    int caret = -1;
};

// Remove empty lines: collapses runs of line breaks into one (a run that
// starts within the last four characters stays) and drops a line break at
// the very start. One pass over the text.
EmptyLinesResult removeEmptyLines(const QString &text);

// One change of a text: at `position` (in the text before any change),
// `removed` characters give way to `inserted`.
struct TextEdit
{
    qsizetype position;
    qsizetype removed;
    QString inserted;
};

// Changes that turn `before` into `after`, in ascending order and not
// overlapping, for texts that differ by "<br>" tags and line breaks put in or
// taken out: those become small edits; any other difference ends the list
// with one edit over what remains. Line breaks (CR LF) are never split.
std::vector<TextEdit> textEdits(const QString &before, const QString &after);

// The three entities of the Misc menu.
inline const char *const NbspEntity = "&nbsp;";
inline const char *const LessThanEntity = "&lt;";
inline const char *const GreaterThanEntity = "&gt;";

// One sub-menu of the special-character menu: its object name, its design
// caption and its characters in menu order.
struct CharacterGroup
{
    const char *name;
    const char *caption;
    QString characters;
    bool separatorBefore;
};

// The six groups of the memo's context menu, 91 characters in all.
const std::vector<CharacterGroup> &specialCharacterGroups();

} // namespace TextBuilders
