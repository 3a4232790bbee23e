#pragma once

#include "colormemo/keydescr.h"

#include <vector>

// Merges the descriptors of a pass into runs: per character the highest
// ZOrder wins, and among equal ZOrders the descriptor written later.
class ColorMap
{
public:
    // Merges the descriptors over positions from..to (inclusive); parts of
    // descriptors outside that range are ignored. Returns the runs of set
    // cells in text order.
    const std::vector<TKeyDescr> &merge(const TKeyDescrList &keys, int from, int to);

private:
    struct Cell
    {
        TColor color = 0;
        quint8 zOrder = 0;
        bool isKey = false;
        bool set = false;

        bool sameRun(const Cell &o) const
        {
            return color == o.color && zOrder == o.zOrder && isKey == o.isKey && set == o.set;
        }
    };

    std::vector<Cell> m_cells; // reused; only grows
    std::vector<TKeyDescr> m_runs;
};
