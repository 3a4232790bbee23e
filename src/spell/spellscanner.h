#pragma once

#include "spell/spelloptions.h"

#include <QString>

#include <optional>

// One word of a document as the checker sees it.
struct SpellWord
{
    int start = 0;  // offset in the text
    int length = 0; // characters to replace; a trailing 's is not part of it
    int end = 0;    // where the next word may start
    QString word;   // the word with character entities decoded
};

// Finds the words of an HTML document that are to be checked, passing over
// what the options leave out: tags (with comments, scripts and styles),
// Internet and e-mail addresses, quoted lines, words in capitals, words
// with digits. Numbers and entities such as &nbsp; are never words; an entity
// for a letter (&oslash;, &#229;) is part of its word.
class SpellScanner
{
public:
    SpellScanner(const QString &text, const SpellOptions &options);

    // The first word that starts at or after `from`.
    std::optional<SpellWord> next(int from) const;

private:
    bool isTagStart(int at) const;
    int tagEnd(int at) const;
    int addressEnd(int at) const;
    int lineEnd(int at) const;
    bool atLineStart(int at) const;
    // The letter an entity at `at` stands for, and its length; a null
    // character when there is no complete entity there.
    QChar entityAt(int at, int *length) const;
    bool isWordCharAt(int at, QChar *decoded, int *length) const;

    const QString &m_text;
    SpellOptions m_options;
};
