#pragma once

#include <QString>

#include <optional>

// Reads a whole text as a 32-bit integer the way settings files always have:
// leading blanks, an optional sign, and "$", "x" or "0x" before hexadecimal
// digits. Anything else in the text, or a value out of range, gives nothing.
std::optional<int> parseInteger(const QString &text);
