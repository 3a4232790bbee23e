#include "editor/tagtext.h"

#include "editor/attributemenus.h"
#include "editor/tagrows.h"

namespace {

const QString LineBreak = QStringLiteral("\r\n");

constexpr int StandardFirst = 21;
constexpr int StandardLast = 25;
constexpr int StandardBack = 141;
constexpr int TablePictureBack = 40;

} // namespace

TagState &tagState()
{
    static TagState state;
    return state;
}

std::optional<TagInsertion> tableModeInsertion(int tag, const TagTemplate &entry, const QString &selection)
{
    TagInsertion insertion;
    if (isSingleTag(tag)) {
        if (!selection.isEmpty())
            return std::nullopt;
        insertion.text = isInlineTag(tag) ? entry.open : entry.open + LineBreak;
        insertion.caret = int(insertion.text.size()) - entry.back;
        return insertion;
    }
    if (isInlineTag(tag)) {
        insertion.text = entry.open + selection + entry.close;
    } else if (isCommentWrapped(tag)) {
        insertion.text = entry.open + LineBreak + QLatin1String("<!--") + LineBreak + selection + LineBreak
                         + QLatin1String("-->") + LineBreak + entry.close;
    } else {
        insertion.text = entry.open + LineBreak + selection + LineBreak + entry.close;
    }
    if (hasLineAfter(tag))
        insertion.text += LineBreak;
    insertion.caret = int(insertion.text.size() - selection.size()) - entry.back;
    return insertion;
}

TagInsertion attributeModeInsertion(const AttributeModeRow &row, const QString &selection)
{
    return {QString::fromUtf8(row.text).arg(selection), row.caret};
}

TagInsertion standardInsertion(const TagTemplates &table)
{
    QStringList lines;
    for (int tag = StandardFirst; tag <= StandardLast; ++tag)
        lines << table[size_t(tag)].open;
    TagInsertion insertion;
    insertion.text = lines.join(LineBreak);
    insertion.caret = int(insertion.text.size()) - StandardBack;
    return insertion;
}

TagInsertion tablePictureInsertion(const TagTemplate &entry)
{
    TagInsertion insertion;
    insertion.text = entry.open + LineBreak;
    insertion.caret = int(insertion.text.size()) - TablePictureBack;
    return insertion;
}

TagInsertion attributePictureInsertion()
{
    return {QStringLiteral("<IMG src=\"\" height=\"\" width=\"\">") + LineBreak, 10};
}

std::optional<int> nextEmptyValueColumn(const QString &line)
{
    const qsizetype quotes = line.indexOf(QLatin1String("\"\""));
    const qsizetype colour = line.indexOf(QLatin1String("\"#\""));
    if (quotes >= 0 && (colour < 0 || quotes < colour))
        return int(quotes) + 1;
    if (colour >= 0)
        return int(colour) + 2;
    return std::nullopt;
}

void addAttribute(TagState &state, const AttributeItem &item, int at)
{
    if (item.stopOffset == NotCounted)
        return;
    ++state.AttributeCount;
    if (state.AttributeCount == 1)
        state.StopPosition = at + item.stopOffset;
}

QString colorCode(int red, int green, int blue)
{
    return QStringLiteral("%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}
