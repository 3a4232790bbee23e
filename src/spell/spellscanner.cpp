#include "spell/spellscanner.h"

#include <QHash>

namespace {

const QHash<QString, ushort> &letterEntities()
{
    static const QHash<QString, ushort> table = {
        {"Agrave", 192}, {"Aacute", 193}, {"Acirc", 194}, {"Atilde", 195}, {"Auml", 196},
        {"Aring", 197},  {"AElig", 198},  {"Ccedil", 199}, {"Egrave", 200}, {"Eacute", 201},
        {"Ecirc", 202},  {"Euml", 203},   {"Igrave", 204}, {"Iacute", 205}, {"Icirc", 206},
        {"Iuml", 207},   {"ETH", 208},    {"Ntilde", 209}, {"Ograve", 210}, {"Oacute", 211},
        {"Ocirc", 212},  {"Otilde", 213}, {"Ouml", 214},   {"Oslash", 216}, {"Ugrave", 217},
        {"Uacute", 218}, {"Ucirc", 219},  {"Uuml", 220},   {"Yacute", 221}, {"THORN", 222},
        {"szlig", 223},  {"agrave", 224}, {"aacute", 225}, {"acirc", 226},  {"atilde", 227},
        {"auml", 228},   {"aring", 229},  {"aelig", 230},  {"ccedil", 231}, {"egrave", 232},
        {"eacute", 233}, {"ecirc", 234},  {"euml", 235},   {"igrave", 236}, {"iacute", 237},
        {"icirc", 238},  {"iuml", 239},   {"eth", 240},    {"ntilde", 241}, {"ograve", 242},
        {"oacute", 243}, {"ocirc", 244},  {"otilde", 245}, {"ouml", 246},   {"oslash", 248},
        {"ugrave", 249}, {"uacute", 250}, {"ucirc", 251},  {"uuml", 252},   {"yacute", 253},
        {"thorn", 254},  {"yuml", 255},
    };
    return table;
}

bool isApostrophe(QChar c)
{
    return c == QLatin1Char('\'') || c == QChar(0x2019);
}

// Characters that end an address as they end a word in running text.
bool endsAddress(QChar c)
{
    return c.isSpace() || QStringLiteral("<>\"'()[]{},").contains(c);
}

bool startsWithNoCase(const QString &text, int at, QLatin1String prefix)
{
    return QStringView(text).mid(at).startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace

SpellScanner::SpellScanner(const QString &text, const SpellOptions &options)
    : m_text(text)
    , m_options(options)
{
}

std::optional<SpellWord> SpellScanner::next(int from) const
{
    const int n = int(m_text.size());
    int i = qMax(0, from);
    while (i < n) {
        const QChar c = m_text.at(i);
        if (m_options.ignoreTags && c == QLatin1Char('<') && isTagStart(i)) {
            i = tagEnd(i);
            continue;
        }
        if (m_options.ignoreQuotedLines && c == QLatin1Char('>') && atLineStart(i)) {
            i = lineEnd(i);
            continue;
        }
        int entityLength = 0;
        if (c == QLatin1Char('&') && entityAt(i, &entityLength).isNull() && entityLength > 0) {
            i += entityLength; // &nbsp;, &amp; and the like separate words
            continue;
        }
        QChar decoded;
        int step = 0;
        if (!isWordCharAt(i, &decoded, &step)) {
            ++i;
            continue;
        }
        if (i >= 2 && isApostrophe(m_text.at(i - 1)) && m_text.at(i - 2).isLetterOrNumber()) {
            // The 's of a word checked before, reached again after a change.
            while (i < n && isWordCharAt(i, &decoded, &step))
                i += step;
            continue;
        }
        if (m_options.ignoreAddresses) {
            const int end = addressEnd(i);
            if (end > i) {
                i = end;
                continue;
            }
        }

        SpellWord word;
        word.start = i;
        int j = i;
        while (j < n) {
            if (isWordCharAt(j, &decoded, &step)) {
                word.word += decoded;
                j += step;
            } else if (isApostrophe(m_text.at(j)) && j + 1 < n && isWordCharAt(j + 1, &decoded, &step)) {
                word.word += m_text.at(j); // inside a word: don't, it's
                ++j;
            } else {
                break;
            }
        }
        word.length = j - i;
        word.end = j;
        // The possessive ending is not checked (John's is checked as John).
        const int w = int(word.word.size());
        if (w > 2 && isApostrophe(word.word.at(w - 2)) && word.word.at(w - 1).toLower() == QLatin1Char('s')
            && isApostrophe(m_text.at(j - 2))) {
            word.word.chop(2);
            word.length -= 2;
        }
        i = j;

        bool digits = false;
        bool letters = false;
        bool lower = false;
        for (QChar ch : std::as_const(word.word)) {
            digits = digits || ch.isDigit();
            letters = letters || ch.isLetter();
            lower = lower || ch.isLower();
        }
        if (!letters)
            continue; // a number
        if (digits && m_options.ignoreWithNumbers)
            continue;
        if (!lower && m_options.ignoreUpperCase)
            continue;
        return word;
    }
    return std::nullopt;
}

bool SpellScanner::isWordCharAt(int at, QChar *decoded, int *length) const
{
    const QChar c = m_text.at(at);
    if (c.isLetterOrNumber() || c.isMark()) {
        *decoded = c;
        *length = 1;
        return true;
    }
    if (c == QLatin1Char('&')) {
        const QChar letter = entityAt(at, length);
        if (!letter.isNull()) {
            *decoded = letter;
            return true;
        }
    }
    return false;
}

QChar SpellScanner::entityAt(int at, int *length) const
{
    *length = 0;
    const int n = int(m_text.size());
    int j = at + 1;
    while (j < n && j - at <= 10 && (m_text.at(j).isLetterOrNumber() || m_text.at(j) == QLatin1Char('#')))
        ++j;
    if (j >= n || m_text.at(j) != QLatin1Char(';') || j == at + 1)
        return QChar();
    *length = j - at + 1;
    const QString name = m_text.mid(at + 1, j - at - 1);
    uint code = 0;
    if (name.startsWith(QLatin1Char('#'))) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X'));
        code = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok, 10);
        if (!ok || code > 0xFFFF)
            return QChar();
    } else {
        code = letterEntities().value(name, 0);
    }
    const QChar letter(static_cast<char16_t>(code));
    return letter.isLetter() ? letter : QChar();
}

bool SpellScanner::isTagStart(int at) const
{
    if (at + 1 >= m_text.size())
        return false;
    const QChar next = m_text.at(at + 1);
    return next.isLetter() || next == QLatin1Char('/') || next == QLatin1Char('!') || next == QLatin1Char('?');
}

int SpellScanner::tagEnd(int at) const
{
    const int n = int(m_text.size());
    if (startsWithNoCase(m_text, at, QLatin1String("<!--"))) {
        const int close = int(m_text.indexOf(QLatin1String("-->"), at + 4));
        return close < 0 ? n : close + 3;
    }
    const int close = int(m_text.indexOf(QLatin1Char('>'), at));
    if (close < 0)
        return at + 1; // a lone "<" in the text
    // Scripts and styles are code, not words.
    for (const QLatin1String element : {QLatin1String("script"), QLatin1String("style")}) {
        const int after = at + 1 + int(element.size());
        if (!startsWithNoCase(m_text, at + 1, element)
            || (after < n && m_text.at(after) != QLatin1Char('>') && !m_text.at(after).isSpace()))
            continue;
        const int end = int(m_text.indexOf(QLatin1String("</") + element, close, Qt::CaseInsensitive));
        const int endClose = end < 0 ? -1 : int(m_text.indexOf(QLatin1Char('>'), end));
        return endClose < 0 ? n : endClose + 1;
    }
    return close + 1;
}

int SpellScanner::addressEnd(int at) const
{
    const int n = int(m_text.size());
    int end = at;
    while (end < n && !endsAddress(m_text.at(end)))
        ++end;
    const QString chunk = m_text.mid(at, end - at);
    const int atSign = int(chunk.indexOf(QLatin1Char('@')));
    const bool address = chunk.contains(QLatin1String("://"))
                         || startsWithNoCase(chunk, 0, QLatin1String("www."))
                         || startsWithNoCase(chunk, 0, QLatin1String("mailto:"))
                         || (atSign > 0 && chunk.indexOf(QLatin1Char('.'), atSign) > atSign + 1);
    return address ? end : at;
}

bool SpellScanner::atLineStart(int at) const
{
    return at == 0 || m_text.at(at - 1) == QLatin1Char('\n') || m_text.at(at - 1) == QLatin1Char('\r');
}

int SpellScanner::lineEnd(int at) const
{
    const int n = int(m_text.size());
    while (at < n && m_text.at(at) != QLatin1Char('\r') && m_text.at(at) != QLatin1Char('\n'))
        ++at;
    return at;
}
