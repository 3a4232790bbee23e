#pragma once

#include <QtGlobal>

class QColor;
class QString;

// A colour in the system's byte order, 0x00BBGGRR: red is the low byte.
using TColor = quint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// Stands for the window background of the palette in use. Its top byte is set,
// so no parsed colour can be mistaken for it.
constexpr TColor clWindow = 0x80000005;

// Reads a colour of a rule list: one of the sixteen HTML colour names, or
// hexadecimal RRGGBB with an optional "#" or "$". Anything else is white.
TColor parseColor(const QString &text);

// The colour for drawing; clWindow becomes `window`.
QColor toQColor(TColor color, const QColor &window);

// The colour to draw text in on `base`: on a dark base, a lighter variant of
// the same hue with a contrast of at least 4.5:1 when the colour itself has
// less; on a light base, the colour unchanged.
QColor readableOn(const QColor &color, const QColor &base);

// The HTML name of the colour when it has one, else "#RRGGBB".
QString colorName(TColor color);

// The system value of a drawing colour.
TColor fromQColor(const QColor &color);
