#pragma once

#include <QString>

// What the checker reports and how it suggests. Kept per language in the
// language's options file in the configuration directory.
struct SpellOptions
{
    bool ignoreUpperCase = false;   // words written in capitals only
    bool ignoreWithNumbers = false; // words that contain a digit
    bool ignoreTags = true;         // HTML tags, comments, scripts and styles
    bool ignoreAddresses = true;    // Internet and e-mail addresses
    bool ignoreQuotedLines = false; // lines starting with ">"
    bool suggestAutomatically = true;
    bool suggestMainOnly = false;   // leave the user's own words out of suggestions
    bool recheckReplaced = true;
    bool reportRepeated = true;
    bool reportTwoCapitals = true;

    bool operator==(const SpellOptions &other) const;
    bool operator!=(const SpellOptions &other) const { return !(*this == other); }

    // A missing or unreadable file gives the defaults.
    static SpellOptions load(const QString &path);
    bool save(const QString &path) const;
};
