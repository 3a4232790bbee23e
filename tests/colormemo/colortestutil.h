#pragma once

#include "colormemo/colorrule.h"

#include <QStringList>

// "start-end", with " colour zN" and " key" when `full` is set.
inline QString describe(const TKeyDescr &d, bool full = false)
{
    QString s = QStringLiteral("%1-%2").arg(d.StartPos).arg(d.EndPos);
    if (full) {
        s += QStringLiteral(" %1 z%2").arg(colorName(d.Color)).arg(d.ZOrder);
        if (d.IsKey)
            s += QStringLiteral(" key");
    }
    return s;
}

// The stretches one rule finds in `text`, which starts at `startPos`.
inline QStringList findKeys(TColorRule &rule, const QString &text, bool full = false,
                            int startPos = 0, TDrawEventSource *source = nullptr)
{
    ScanText scan;
    scan.setText(text, startPos);
    scan.setDrawSource(source);
    TKeyDescrList keys;
    const int count = rule.FindKeys(0, scan, keys);
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << describe(keys.at(i), full);
    return out;
}
