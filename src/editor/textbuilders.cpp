#include "editor/textbuilders.h"

namespace TextBuilders {

namespace {

const QChar CR(u'\r');
const QChar LF(u'\n');

// Lone CRs and LFs become CR LF, as a memo holds its lines.
QString crlfBreaks(const QString &text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == CR) {
            result += QLatin1String("\r\n");
            if (i + 1 < n && text.at(i + 1) == LF)
                ++i;
        } else if (c == LF) {
            result += QLatin1String("\r\n");
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

QString setLineBreaks(const QString &selection)
{
    QString plain = selection;
    plain.remove(QLatin1String("<br>"));
    plain = crlfBreaks(plain);

    const QLatin1String br("<br>");
    QString result;
    result.reserve(plain.size() + plain.count(CR) * 4 + 4);
    for (const QChar c : std::as_const(plain)) {
        if (c == CR)
            result += br;
        result += c;
    }
    // A text whose last line already carries its "<br>" before the final
    // line break gets no second one.
    if (!result.isEmpty()
        && !(result.size() >= 6 && QStringView(result).mid(result.size() - 6, 4) == br))
        result += br;
    return result;
}

QString removeLineBreaks(const QString &selection)
{
    QString result = selection;
    result.remove(QLatin1String("<br>"), Qt::CaseSensitive);
    return result;
}

EmptyLinesResult removeEmptyLines(const QString &text)
{
    // Deleting two characters at the scan position and looking at the same
    // position again is the same as skipping them in the original text, so
    // one forward pass gives what deleting in place gives.
    EmptyLinesResult out;
    const qsizetype n = text.size();
    out.text.reserve(n);
    const QChar *s = text.constData();
    qsizetype i = 0;
    // The scan runs while at least six characters remain from its position.
    while (n - i >= 6) {
        const bool crlf = s[i] == CR && s[i + 1] == LF && s[i + 2] == CR && s[i + 3] == LF;
        const bool lfcr = s[i] == LF && s[i + 1] == CR && s[i + 2] == LF && s[i + 3] == CR;
        if (crlf || lfcr) {
            out.caret = int(out.text.size());
            i += 2;
        } else {
            out.text += s[i];
            ++i;
        }
    }
    out.text += QStringView(text).mid(i);

    if (out.text.size() >= 2
        && ((out.text.at(0) == CR && out.text.at(1) == LF)
            || (out.text.at(0) == LF && out.text.at(1) == CR))) {
        out.text.remove(0, 2);
        out.caret = 0;
    }
    return out;
}

const std::vector<CharacterGroup> &specialCharacterGroups()
{
    static const std::vector<CharacterGroup> groups = {
        {"Special1", "&Special",
         QStringLiteral(u"@{}[]\u00B9\u00B2\u00B3\\#^\u00B0\u00B5~|\u00BC\u00BD\u00BE\u00AA\u00A7"
                        u"\u00A6\u00A9\u00AE\u00B1\u00A3"),
         false},
        {"French1", "&French",
         QStringLiteral(u"\u00C0\u00E0\u00C1\u00E1\u00C2\u00E2\u00C7\u00E7\u00C8\u00E8\u00C9"
                        u"\u00E9\u00CA\u00EA\u00CC\u00EC\u00CD\u00ED\u00CE\u00EE\u00D2\u00F2"
                        u"\u00D3\u00F3\u00D4\u00F4\u00D9\u00F9\u00DA\u00FA\u00DB\u00FB"),
         true},
        {"Spanish1", "S&panish", QStringLiteral(u"\u00A1\u00BF\u00C3\u00E3\u00D1\u00F1\u00D5\u00F5"),
         false},
        {"German1", "&German",
         QStringLiteral(u"\u00C4\u00E4\u00CB\u00EB\u00D6\u00F6\u00DC\u00FC\u00DF"), false},
        {"Danish1", "&Danish", QStringLiteral(u"\u00C6\u00E6\u00D8\u00F8\u00C5\u00E5"), false},
        {"Others1", "&Others",
         QStringLiteral(u"\u00A2\u00A4\u00A5\u00AB\u00BB\u00AC\u00B6\u00D0\u00F0\u00DE\u00FE"),
         true},
    };
    return groups;
}

} // namespace TextBuilders
