#include "colormemo/colorpass.h"

const std::vector<TKeyDescr> &ColorPass::run(const PassInput &input)
{
    m_rules.Prepare();
    m_scan.setText(input.text, input.startPos);
    m_scan.setDrawSource(&m_drawSource);
    m_keys.reset();

    int index = 0;
    if (m_hotSpot.producesStretches())
        index = m_hotSpot.findHotSpots(index, m_scan, m_keys);

    if (input.wantTabs) {
        // Tabs keep the control's own spacing: their runs are never drawn.
        for (qsizetype i = 0; i < input.text.size(); ++i) {
            if (input.text[i] != QLatin1Char('\t'))
                continue;
            TKeyDescr tab;
            tab.StartPos = tab.EndPos = input.startPos + int(i);
            tab.Color = input.backgroundColor;
            tab.ZOrder = ZTab;
            index = m_keys.put(index, tab);
        }
    }

    if (input.redrawAlways) {
        TKeyDescr typed;
        typed.StartPos = input.caretLineStart;
        typed.EndPos = input.caretPos;
        typed.Color = input.fontColor;
        index = m_keys.put(index, typed);
    }

    for (int i = 0; i < m_rules.count(); ++i) {
        if (m_rules[i].Enabled())
            index = m_rules[i].FindKeys(index, m_scan, m_keys);
    }

    if (input.selLength > 0) {
        TKeyDescr selection;
        selection.StartPos = input.selStart;
        selection.EndPos = input.selStart + input.selLength - 1;
        selection.Color = clRed;
        selection.ZOrder = ZSelection;
        m_keys.put(index, selection);
    }

    const int end = input.startPos + int(input.text.size()) - 1;
    return m_map.merge(m_keys, input.startPos, end);
}
