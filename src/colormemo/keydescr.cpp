#include "colormemo/keydescr.h"

int TKeyDescrList::put(int index, const TKeyDescr &descr)
{
    Q_ASSERT(index >= 0 && index <= int(m_items.size()));
    if (index == int(m_items.size()))
        m_items.push_back(descr);
    else
        m_items[size_t(index)] = descr;
    m_used = qMax(m_used, index + 1);
    return index + 1;
}

void TKeyDescrList::reset()
{
    for (int i = 0; i < m_used; ++i)
        m_items[size_t(i)].StartPos = TKeyDescr::NoPos;
    m_used = 0;
}
