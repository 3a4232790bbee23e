#include "editor/textbuilders.h"

namespace TextBuilders {

namespace {

const QChar CR(u'\r');
const QChar LF(u'\n');

// Lone CRs and LFs become CR LF, as a memo holds its lines.
QString crlfBreaks(const QString &text)
{
    const qsizetype n = text.size();
    const QChar *s = text.constData();
    qsizetype lone = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (s[i] == CR) {
            if (i + 1 < n && s[i + 1] == LF)
                ++i;
            else
                ++lone;
        } else if (s[i] == LF) {
            ++lone;
        }
    }
    if (lone == 0)
        return text;

    QString result;
    result.reserve(n + lone);
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = s[i];
        if (c == CR) {
            result += QLatin1String("\r\n");
            if (i + 1 < n && s[i + 1] == LF)
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
    const qsizetype n = plain.size();
    QString result;
    result.reserve(n + plain.count(CR) * 4 + 4);
    // Whole stretches up to each CR, then "<br>" in front of it.
    qsizetype from = 0;
    for (qsizetype cr = plain.indexOf(CR); cr >= 0; cr = plain.indexOf(CR, cr + 1)) {
        result += QStringView(plain).mid(from, cr - from);
        result += br;
        from = cr;
    }
    result += QStringView(plain).mid(from);
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

std::vector<TextEdit> textEdits(const QString &before, const QString &after)
{
    std::vector<TextEdit> edits;
    const qsizetype n = before.size();
    const qsizetype m = after.size();
    const QChar *a = before.constData();
    const QChar *b = after.constData();

    // What both end with stays; a break is kept whole.
    qsizetype suffix = 0;
    while (suffix < n && suffix < m && a[n - 1 - suffix] == b[m - 1 - suffix])
        ++suffix;
    while (suffix > 0 && a[n - suffix] == LF && n - suffix > 0 && a[n - suffix - 1] == CR)
        --suffix;
    const qsizetype endA = n - suffix;
    const qsizetype endB = m - suffix;

    const QLatin1String br("<br>");
    auto tagAt = [br](const QChar *text, qsizetype pos, qsizetype end) {
        return end - pos >= 4 && QStringView(text + pos, 4) == br;
    };
    auto breakAt = [](const QChar *text, qsizetype pos, qsizetype end) {
        return end - pos >= 2 && text[pos] == CR && text[pos + 1] == LF;
    };
    // Consecutive removals and insertions at one place make one edit.
    auto add = [&edits](qsizetype position, qsizetype removed, QStringView inserted) {
        if (!edits.empty()) {
            TextEdit &last = edits.back();
            if (last.position + last.removed == position) {
                last.removed += removed;
                last.inserted += inserted;
                return;
            }
        }
        edits.push_back({position, removed, inserted.toString()});
    };

    qsizetype i = 0;
    qsizetype j = 0;
    while (i < endA || j < endB) {
        if (i < endA && j < endB && a[i] == b[j]) {
            ++i;
            ++j;
        } else if (i > 0 && i < endA && a[i - 1] == CR && a[i] == LF) {
            // Nothing may land between the two characters of a line break.
            --i;
            --j;
            add(i, endA - i, QStringView(b + j, endB - j));
            break;
        } else if (tagAt(a, i, endA)) {
            add(i, 4, {});
            i += 4;
        } else if (tagAt(b, j, endB)) {
            add(i, 0, QStringView(b + j, 4));
            j += 4;
        } else if (breakAt(a, i, endA)) {
            add(i, 2, {});
            i += 2;
        } else if (breakAt(b, j, endB)) {
            add(i, 0, QStringView(b + j, 2));
            j += 2;
        } else {
            // Anything else: the rest in one piece.
            add(i, endA - i, QStringView(b + j, endB - j));
            break;
        }
    }
    return edits;
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
