#include "editor/definedtagtext.h"

namespace DefinedTagText {

namespace {
const QLatin1String CRLF("\r\n");
}

std::optional<Insertion> insertion(const DefinedTag &tag, const QString &selection)
{
    QString text;
    switch (tag.DefStat) {
    case InLine:
        text = tag.DefOpen + selection + tag.DefClose;
        break;
    case OneLine:
        text = tag.DefOpen + selection + tag.DefClose + CRLF;
        break;
    case Section:
        text = tag.DefOpen + CRLF + selection + CRLF + tag.DefClose;
        break;
    default:
        return std::nullopt;
    }
    return Insertion{text, tag.DefBack};
}

int back(Kind kind, const QString &opening, const QString &closing, int caret)
{
    const int o = int(opening.size());
    const int c = int(closing.size());
    switch (kind) {
    case OneLine:
        return c + o - caret + 2;
    case Section:
        // With the caret at the end of the opening text it lands on the
        // content line instead.
        return caret == o ? c + 2 : c + o - caret + 4;
    case InLine:
    default:
        return c + o - caret;
    }
}

} // namespace DefinedTagText
