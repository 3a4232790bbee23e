#include "colormemo/colorvalue.h"

#include <QColor>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
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

namespace {

// Relative luminance and contrast ratio as used for readable text.
double luminance(const QColor &color)
{
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF())
        + 0.0722 * channel(color.blueF());
}

double contrast(double a, double b)
{
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

constexpr double ReadableContrast = 4.5;

} // namespace

QColor readableOn(const QColor &color, const QColor &base)
{
    const double baseLuminance = luminance(base);
    // Dark: white text stands out more than black.
    if (contrast(1.0, baseLuminance) <= contrast(0.0, baseLuminance)
        || contrast(luminance(color), baseLuminance) >= ReadableContrast)
        return color;
    // Mix in white step by step; white itself always reads on a dark base.
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor lighter = QColor::fromRgbF(float(color.redF() + (1 - color.redF()) * t),
                                                float(color.greenF() + (1 - color.greenF()) * t),
                                                float(color.blueF() + (1 - color.blueF()) * t));
        if (contrast(luminance(lighter), baseLuminance) >= ReadableContrast)
            return lighter;
    }
    return Qt::white;
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
