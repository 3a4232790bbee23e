#pragma once

#include <QString>

// A text in the program's three languages, as UTF-8 literals.
struct LangText
{
    const char *en;
    const char *da;
    const char *de;
};

enum Language { NoLanguage = 0, English = 1, Danish = 2, German = 3 };

// The text of the given language; English for any other value.
QString pick(const LangText &text, int lang);

// The text of the current Lang setting.
QString pick(const LangText &text);
