#pragma once

#include "settings/captiontable.h"
#include "settings/messagetable.h"

// Captions of the checker's dialog and its options dialog for Lang 1, 2 and 3.
extern const CaptionTable SpellCaptions;
extern const CaptionTable SpellOptionsCaptions;

// The label over the word in question, by what the checker asks about.
extern const Message NotFoundLabel;
extern const Message RepeatedLabel;
extern const Message TwoCapitalsLabel;
// In place of those while the check waits for Start after an edit.
extern const Message StoppedLabel;

// %1 language name, %2 dictionary, %3 folders searched, %4 package.
extern const Message MissingDictionaryMessage;
// %1 the word list's path.
extern const Message UserWordsNotSavedMessage;
// %1 the auto-correct list's path.
extern const Message AutoCorrectionsNotSavedMessage;
