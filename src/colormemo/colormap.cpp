#include "colormemo/colormap.h"

#include <algorithm>

const std::vector<TKeyDescr> &ColorMap::merge(const TKeyDescrList &keys, int from, int to)
{
    m_runs.clear();
    // Only the range the descriptors cover needs cells.
    int lo = TKeyDescr::NoPos;
    int hi = -1;
    for (int i = 0; i < keys.count(); ++i) {
        const TKeyDescr &d = keys.at(i);
        if (!d.isValid() || d.EndPos < from || d.StartPos > to)
            continue;
        lo = qMin(lo, qMax(d.StartPos, from));
        hi = qMax(hi, qMin(d.EndPos, to));
    }
    if (hi < lo)
        return m_runs;

    const size_t size = size_t(hi - lo) + 1;
    if (m_cells.size() < size)
        m_cells.resize(size);
    std::fill_n(m_cells.begin(), size, Cell());

    for (int i = 0; i < keys.count(); ++i) {
        const TKeyDescr &d = keys.at(i);
        if (!d.isValid() || d.EndPos < lo || d.StartPos > hi)
            continue;
        const int first = qMax(d.StartPos, lo) - lo;
        const int last = qMin(d.EndPos, hi) - lo;
        for (int p = first; p <= last; ++p) {
            Cell &cell = m_cells[size_t(p)];
            if (d.ZOrder >= cell.zOrder)
                cell = {d.Color, d.ZOrder, d.IsKey, true};
        }
    }

    size_t start = 0;
    for (size_t p = 1; p <= size; ++p) {
        if (p < size && m_cells[p].sameRun(m_cells[start]))
            continue;
        const Cell &cell = m_cells[start];
        if (cell.set) {
            TKeyDescr run;
            run.StartPos = lo + int(start);
            run.EndPos = lo + int(p) - 1;
            run.Color = cell.color;
            run.ZOrder = cell.zOrder;
            run.IsKey = cell.isKey;
            m_runs.push_back(run);
        }
        start = p;
    }
    return m_runs;
}
