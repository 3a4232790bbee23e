#pragma once

#include "colormemo/colorvalue.h"

#include <vector>

// How a colour rule finds its stretches.
enum TKeyDrawingType : quint8 {
    dtKeyShow = 0,      // keywords
    dtEventDraw = 1,    // the memo's OnDraw callback
    dtBeginEnd = 2,     // begin/end delimiter pairs
    dtBeginLineEnd = 3, // a key colours to the end of its line
};

// ZOrders the memo keeps for its own stretches; rules use the values below.
constexpr quint8 ZHotSpotText = 252;
constexpr quint8 ZHotSpotMarker = 253;
constexpr quint8 ZSelection = 254;
constexpr quint8 ZTab = 255;

// One coloured stretch of the whole text; EndPos is inclusive.
struct TKeyDescr
{
    static constexpr qint32 NoPos = 2147483647; // holds nothing, or discarded

    qint32 StartPos = NoPos;
    qint32 EndPos = 0;
    TColor Color = 0;
    quint8 ZOrder = 0;
    bool IsKey = false;

    bool isValid() const { return StartPos != NoPos && EndPos != NoPos && EndPos >= StartPos; }
};

// The descriptors of one pass. Entries are reused from pass to pass, so the
// list only grows; producers write at an index and hand on the next one.
class TKeyDescrList
{
public:
    // Writes at `index`, which may be at most the current end; returns index + 1.
    int put(int index, const TKeyDescr &descr);

    // Marks every entry written since the last reset as holding nothing.
    void reset();

    int count() const { return m_used; }
    const TKeyDescr &at(int index) const { return m_items[size_t(index)]; }

private:
    std::vector<TKeyDescr> m_items;
    int m_used = 0;
};
