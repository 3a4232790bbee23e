#include "settings/language.h"

#include "settings/settings.h"

QString pick(const LangText &text, int lang)
{
    switch (lang) {
    case Danish:
        return QString::fromUtf8(text.da);
    case German:
        return QString::fromUtf8(text.de);
    default:
        return QString::fromUtf8(text.en);
    }
}

QString pick(const LangText &text)
{
    return pick(text, settings().Lang);
}
