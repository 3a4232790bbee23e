#include "colormemo/colorvalue.h"

#include <QColor>
#include <QString>

#include <array>
#include <utility>

namespace {

const std::array<std::pair<const char *, TColor>, 16> &namedColors()
{
    static const std::array<std::pair<const char *, TColor>, 16> names{{
        {"BLACK", clBlack},   {"MAROON", clMaroon}, {"GREEN", clGreen},   {"OLIVE", clOlive},
        {"NAVY", clNavy},     {"PURPLE", clPurple}, {"TEAL", clTeal},     {"GRAY", clGray},
        {"SILVER", clSilver}, {"RED", clRed},       {"LIME", clLime},     {"YELLOW", clYellow},
        {"BLUE", clBlue},     {"FUCHSIA", clFuchsia}, {"AQUA", clAqua},   {"WHITE", clWhite},
    }};
    return names;
}

// Red and blue change places between RRGGBB and the system's order.
TColor swapRedBlue(quint32 value)
{
    return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

int hexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    return -1;
}

} // namespace

TColor parseColor(const QString &text)
{
    QString s = text.trimmed().toUpper().left(10);
    for (const auto &[name, color] : namedColors()) {
        if (s == QLatin1String(name))
            return color;
    }
    const qsizetype hash = s.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        s.remove(hash, 1);
    if (!s.contains(QLatin1Char('$')))
        s.prepend(QLatin1Char('$'));
    // Only "$" followed by one to eight hex digits is a number.
    if (!s.startsWith(QLatin1Char('$')) || s.size() < 2 || s.size() > 9)
        return clWhite;
    quint32 value = 0;
    for (qsizetype i = 1; i < s.size(); ++i) {
        const int digit = hexDigit(s.at(i));
        if (digit < 0)
            return clWhite;
        value = value * 16 + quint32(digit);
    }
    return swapRedBlue(value);
}

QColor toQColor(TColor color, const QColor &window)
{
    if (color == clWindow)
        return window;
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QString colorName(TColor color)
{
    for (const auto &[name, value] : namedColors()) {
        if (value == color)
            return QString::fromLatin1(name).toLower();
    }
    if (color == clWindow)
        return QStringLiteral("window");
    return QStringLiteral("#%1").arg(swapRedBlue(color), 6, 16, QLatin1Char('0')).toUpper();
}

TColor fromQColor(const QColor &color)
{
    return TColor(color.red()) | TColor(color.green()) << 8 | TColor(color.blue()) << 16;
}
