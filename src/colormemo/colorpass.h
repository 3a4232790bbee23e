#pragma once

#include "colormemo/colormap.h"
#include "colormemo/drawrules.h"
#include "colormemo/hotspot.h"

// What one pass looks at besides the rules: the scanned text and the state of
// the control. All positions count from the start of the whole text, with
// each line break as two characters.
struct PassInput
{
    QStringView text;   // from the scanning start to the end of the region
    int startPos = 0;   // position of text[0]
    int selStart = 0;
    int selLength = 0;
    int caretLineStart = 0; // first character of the caret's line
    int caretPos = 0;
    bool wantTabs = false;
    bool redrawAlways = false;
    TColor fontColor = clBlack;
    TColor backgroundColor = clWindow;
};

// Finds the coloured stretches of a region and merges them into runs. Holds
// what the memo configures: the rules, the hot-spot settings and the OnDraw
// source. The buffers are kept from pass to pass.
class ColorPass
{
public:
    TDrawRules &rules() { return m_rules; }
    const TDrawRules &rules() const { return m_rules; }
    THotSpot &hotSpot() { return m_hotSpot; }
    const THotSpot &hotSpot() const { return m_hotSpot; }
    TDrawEventSource &drawSource() { return m_drawSource; }
    const TDrawEventSource &drawSource() const { return m_drawSource; }

    // Whether a pass can colour anything at all.
    bool hasWork() const { return !m_rules.isEmpty() || m_hotSpot.Active; }

    // The runs of the region in text order; positions of set cells only.
    const std::vector<TKeyDescr> &run(const PassInput &input);

private:
    TDrawRules m_rules;
    THotSpot m_hotSpot;
    TDrawEventSource m_drawSource;
    ScanText m_scan;
    TKeyDescrList m_keys;
    ColorMap m_map;
};
