#include "settings/integertext.h"

std::optional<int> parseInteger(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');

    int base = 10;
    if (i < n && text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i < n && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0')
               && (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;

    // Hexadecimal may fill all 32 bits ($FFFFFFFF is -1); decimal must fit.
    const quint64 limit = base == 16 ? Q_UINT64_C(0xFFFFFFFF)
                                     : quint64(negative ? 2147483648u : 2147483647u);
    quint64 value = 0;
    for (; i < n; ++i) {
        const int digit = QChar::isDigit(text[i].unicode()) && text[i].unicode() < 128
                              ? text[i].unicode() - '0'
                              : (base == 16 && text[i].toLower() >= QLatin1Char('a')
                                         && text[i].toLower() <= QLatin1Char('f')
                                     ? text[i].toLower().unicode() - 'a' + 10
                                     : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * quint64(base) + quint64(digit);
        if (value > limit)
            return std::nullopt;
    }
    // Two's complement wrap, as a 32-bit register would hold it.
    const auto bits = static_cast<quint32>(value);
    return static_cast<int>(negative ? 0u - bits : bits);
}
