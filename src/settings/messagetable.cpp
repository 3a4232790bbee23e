#include "settings/messagetable.h"

namespace {

QList<const MessageTable *> &tables()
{
    static QList<const MessageTable *> list;
    return list;
}

QList<const Message *> &messages()
{
    static QList<const Message *> list;
    return list;
}

} // namespace

MessageTable::MessageTable(const char *name)
    : m_name(name)
{
    tables().append(this);
}

QList<const Message *> MessageTable::rows() const
{
    QList<const Message *> own;
    for (const Message *message : std::as_const(messages())) {
        if (&message->table() == this)
            own.append(message);
    }
    return own;
}

const QList<const MessageTable *> &MessageTable::all()
{
    return tables();
}

Message::Message(const MessageTable &table, const LangText &text)
    : LangText(text)
    , m_table(&table)
{
    messages().append(this);
}
