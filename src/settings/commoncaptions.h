#pragma once

#include "settings/language.h"

// Captions that many windows share, so that each is written once.
namespace CommonCaptions {

inline constexpr LangText Ok = {"&Ok", "&Ok", "&Ok"};
inline constexpr LangText Cancel = {"&Cancel", "&Afbryd", "&Abbrechen"};
inline constexpr LangText Help = {"&Help", "&Hjælp", "&Hilfe"};
inline constexpr LangText New = {"&New", "&Ny", "&Neu"};
inline constexpr LangText Open = {"&Open", "&Åben", "&Öffnen"};
inline constexpr LangText Save = {"&Save", "&Gem", "&Speichern"};
// Without an accelerator, where the Escape key is the way to it.
inline constexpr LangText PlainCancel = {"Cancel", "Annuller", "Abbrechen"};

} // namespace CommonCaptions
