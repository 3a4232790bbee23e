#include "spell/spelltexts.h"
#include "settings/commoncaptions.h"
#include "settings/messagetable.h"

const CaptionTable SpellCaptions{"spell dialog", {
    {"spellform", {"Spell check", "Stavekontrol", "Rechtschreibprüfung"}},
    {"replacelabel", {"Replace With:", "Erstat med:", "Ersetzen durch:"}},
    {"suggestlabel", {"Suggestions:", "Forslag:", "Vorschläge:"}},
    {"changeallbutton", {"&Change All", "&Udskift alle", "&Alles ersetzen"}},
    {"changebutton", {"C&hange", "U&dskift", "&Ersetzen"}},
    {"ignoreallbutton", {"&Ignore All", "&Ignorer alle", "Alle i&gnorieren"}},
    {"ignorebutton", {"I&gnore", "I&gnorer", "&Ignorieren"}},
    {"addbutton", {"&Add", "&Tilføj", "&Hinzufügen"}},
    {"autocorrectbutton", {"Au&to-Correct", "&Autokorrektur", "Auto-&Korrektur"}},
    {"suggestbutton", {"S&uggest", "&Foreslå", "&Vorschlagen"}},
    {"startbutton", {"Start", "Start forfra", "Neu starten"}},
    {"undobutton", {"Undo &Last", "Fo&rtryd sidste", "&Rückgängig"}},
    {"optionsbutton", {"&Options", "Ind&stillinger", "&Optionen"}},
    {"deletebutton", {"&Delete", "Sl&et", "&Löschen"}},
    {"helpbutton", {"Hel&p", "&Hjælp", "Hil&fe"}},
    {"cancelbutton", CommonCaptions::PlainCancel},
}};

const CaptionTable SpellOptionsCaptions{"spell options dialog", {
    {"spelloptionsform", {"Spell check options", "Indstillinger for stavekontrol", "Optionen der Rechtschreibprüfung"}},
    {"ignoregroup", {"Ignore", "Spring over", "Ignorieren"}},
    {"uppercasebox", {"Words in &UPPER CASE", "Ord med &STORE BOGSTAVER", "Wörter in &GROSSBUCHSTABEN"}},
    {"numbersbox", {"Words with &numbers", "Ord med &tal", "Wörter mit &Ziffern"}},
    {"tagsbox", {"HTML &tags", "HTML-&koder", "HTML-&Tags"}},
    {"addressesbox", {"Internet and e-mail &addresses", "Internet- og e-mail-&adresser",
                      "Internet- und E-Mail-&Adressen"}},
    {"quotedbox", {"&Quoted lines", "&Citerede linjer", "&Zitierte Zeilen"}},
    {"checkgroup", {"Check", "Kontrol", "Prüfung"}},
    {"automaticbox", {"Suggest a&utomatically", "Foreslå a&utomatisk", "A&utomatisch vorschlagen"}},
    {"mainonlybox", {"Suggestions from the &main dictionary only", "Forslag kun fra &hovedordbogen",
                     "Vorschläge nur aus dem &Hauptwörterbuch"}},
    {"recheckbox", {"&Re-check replaced words", "Kontroller &erstattede ord igen",
                    "&Ersetzte Wörter erneut prüfen"}},
    {"repeatedbox", {"Report repeated &words", "Meld &gentagne ord", "&Wiederholte Wörter melden"}},
    {"capitalsbox", {"Report two leading &capitals", "Meld to &indledende store bogstaver",
                     "Zwei &führende Großbuchstaben melden"}},
    {"autocorrectgroup", {"Auto-correct", "Autokorrektur", "Auto-Korrektur"}},
    {"clearbutton", {"Clear l&ist", "&Ryd listen", "Liste &leeren"}},
}};

const MessageTable Table{"spell check"};

const Message NotFoundLabel{Table, {"Not Found:", "Ikke fundet:", "Nicht gefunden:"}};
const Message RepeatedLabel{Table, {"Repeated Word:", "Gentaget ord:", "Wiederholtes Wort:"}};
const Message TwoCapitalsLabel{Table, {"Two Capitals:", "To store bogstaver:", "Zwei Großbuchstaben:"}};
const Message StoppedLabel{
    Table,
    {"The text was changed. Start checks it again:", "Teksten er ændret. Start forfra kontrollerer den igen:",
     "Der Text wurde geändert. Neu starten prüft ihn erneut:"}};

const Message MissingDictionaryMessage{
    Table,
    {
        "The spelling dictionary for %1 (%2) could not be loaded.\r\n"
        "Searched in: %3\r\n"
        "Install the package %4 and try again.",
        "Ordbogen til stavekontrol på %1 (%2) kunne ikke indlæses.\r\n"
        "Søgt i: %3\r\n"
        "Installer pakken %4, og prøv igen.",
        "Das Wörterbuch für die Rechtschreibprüfung auf %1 (%2) konnte nicht geladen werden.\r\n"
        "Gesucht in: %3\r\n"
        "Installieren Sie das Paket %4 und versuchen Sie es erneut.",
    }};

const Message AutoCorrectionsNotSavedMessage{
    Table,
    {
        "Your auto-correct list %1 could not be saved.\r\nThe change holds until the program ends.",
        "Din autokorrekturliste %1 kunne ikke gemmes.\r\nÆndringen gælder, indtil programmet afsluttes.",
        "Ihre Auto-Korrektur-Liste %1 konnte nicht gespeichert werden.\r\nDie Änderung gilt bis zum Programmende.",
    }};

const Message UserWordsNotSavedMessage{
    Table,
    {
        "Your word list %1 could not be saved.\r\nThe word is accepted until the program ends.",
        "Din ordliste %1 kunne ikke gemmes.\r\nOrdet godkendes, indtil programmet afsluttes.",
        "Ihre Wortliste %1 konnte nicht gespeichert werden.\r\nDas Wort gilt bis zum Programmende als richtig.",
    }};
