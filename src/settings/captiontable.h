#pragma once

#include "settings/language.h"

#include <QList>
#include <QObject>

#include <initializer_list>
#include <vector>

// One row of a window's caption table: the object name of a control, menu,
// action or the window itself, and its text in the three languages.
struct CaptionRow
{
    const char *name;
    LangText text;
};

enum class CaptionRole {
    Caption, // the visible text: action, menu, button, label, window title
    Hint,    // status-bar hint and tool tip of an action
};

// The captions of one window. Every table registers itself where it is
// defined, so that the tests find all of them.
class CaptionTable
{
public:
    CaptionTable(const char *window, std::initializer_list<CaptionRow> rows,
                 CaptionRole role = CaptionRole::Caption);
    CaptionTable(const CaptionTable &) = delete;
    CaptionTable &operator=(const CaptionTable &) = delete;

    const char *window() const { return m_window; }
    CaptionRole role() const { return m_role; }
    std::vector<CaptionRow>::const_iterator begin() const { return m_rows.begin(); }
    std::vector<CaptionRow>::const_iterator end() const { return m_rows.end(); }

    static const QList<const CaptionTable *> &all();

private:
    const char *m_window;
    std::vector<CaptionRow> m_rows;
    CaptionRole m_role;
};

// Sets the texts of the named objects below (or at) root for Lang 1, 2 or 3;
// any other language leaves the designed captions as they are. The tables
// together are all the captions of that window.
void applyCaptions(QObject *root, std::initializer_list<const CaptionTable *> tables, int lang);
void applyCaptions(QObject *root, const CaptionTable &table, int lang);

// Gives a control or window its designed caption, which its table replaces
// for Lang 1, 2 and 3.
void setDesignCaption(QObject *object, const char *caption);

// A control whose text comes from no caption table: a name, a tag, a number,
// a file, a text set from a message, or one that mirrors a captioned control.
void markNotCaptioned(QObject *object);
// Gives a control or window a name for a caption, the same in every language:
// the program's, a wizard's, a language's own.
void setNameCaption(QObject *object, const QString &name);

// Watches every application of caption tables. While one is installed (and in
// debug builds) each application is checked: a row whose control is missing
// and a captioned control that no row covers are problems.
class CaptionObserver
{
public:
    virtual ~CaptionObserver() = default;
    virtual void applied(QObject *root, const QList<const CaptionTable *> &tables, int lang) = 0;
    virtual void problem(const QString &text) = 0;
};

// Installs an observer (nullptr removes it) and returns the one it replaces.
CaptionObserver *setCaptionObserver(CaptionObserver *observer);

// The object a row names: the root itself, one of its own controls, or a
// deeper one.
QObject *findCaptioned(QObject *root, const char *name);
