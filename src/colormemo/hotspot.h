#pragma once

#include "colormemo/keydescr.h"
#include "colormemo/scantext.h"

#include <QChar>
#include <QString>

// Link-like stretches between a begin and an end marker character.
struct THotSpot
{
    QChar BeginChar = QChar(30);
    QChar EndChar = QChar(31);
    TColor Color = clBlue;
    TColor MarkerColor = clWindow; // the markers vanish into the background
    bool Active = false;
    bool Underlined = true;

    bool producesStretches() const { return Active && !BeginChar.isNull(); }

    // Writes marker, text and marker descriptors for each complete hot spot in
    // `text`; stops at the first begin marker without an end marker.
    int findHotSpots(int index, const ScanText &text, TKeyDescrList &keys) const;

    // Whether `rest`, a line from the character under the mouse on, starts
    // inside a hot spot.
    bool isOver(QStringView rest) const;

    // The text of the hot spot that the character at `column` of `line` lies
    // in, or a null string when it lies in none.
    QString textAt(QStringView line, qsizetype column) const;
};
