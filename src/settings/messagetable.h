#pragma once

#include "settings/language.h"

#include <QList>
#include <QString>

class Message;

// The texts one part of the program shows in boxes, panels, status texts and
// dialog titles. Every table registers itself where it is defined, so that
// the tests find all of them.
class MessageTable
{
public:
    explicit MessageTable(const char *name);
    MessageTable(const MessageTable &) = delete;
    MessageTable &operator=(const MessageTable &) = delete;

    const char *name() const { return m_name; }
    QList<const Message *> rows() const;

    static const QList<const MessageTable *> &all();

private:
    const char *m_name;
};

// One row of a message table: a text in the three languages. Rows are
// defined at namespace scope, so that each is registered at start-up.
class Message : public LangText
{
public:
    Message(const MessageTable &table, const LangText &text);
    Message(const Message &) = delete;
    Message &operator=(const Message &) = delete;

    const MessageTable &table() const { return *m_table; }
    // English for any language but Danish and German.
    QString text(int lang) const { return pick(*this, lang); }
    // In the current Lang setting.
    QString text() const { return pick(*this); }

private:
    const MessageTable *m_table;
};
