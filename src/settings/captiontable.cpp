#include "settings/captiontable.h"

namespace {

QList<const CaptionTable *> &registry()
{
    static QList<const CaptionTable *> tables;
    return tables;
}

} // namespace

CaptionTable::CaptionTable(const char *window, std::initializer_list<CaptionRow> rows, CaptionRole role)
    : m_window(window)
    , m_rows(rows)
    , m_role(role)
{
    registry().append(this);
}

const QList<const CaptionTable *> &CaptionTable::all()
{
    return registry();
}
