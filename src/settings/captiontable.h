#pragma once

#include "settings/language.h"

#include <QList>

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
