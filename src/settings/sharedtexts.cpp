#include "settings/sharedtexts.h"

#include "settings/language.h"

namespace {

struct SharedRow
{
    QString SharedTexts::*field;
    LangText text;
};

const SharedRow Rows[] = {
    {&SharedTexts::ModifiedText, {"modified", "modificeret", "modifiziert"}},
    {&SharedTexts::WindowsText, {"window(s)", "vindue(r)", "Fenster(n)"}},
    {&SharedTexts::UntitledName, {"No name", "Uden navn", "Ohne Name"}},
    {&SharedTexts::BlankName, {"Empty file", "Tom fil", "Leeres Datei"}},
    {&SharedTexts::DriveError,
     {"The selected drive could not be accesed\r\nMake sure you have a disk or CD in the drive, and try again",
      "Det valgte drev svarer ikke\r\nCheck om du har en diskette eller Cd i det",
      "Das ausgewählte Laufwerk reagiert nicht\r\nVergewissern Sie sich das Sie eine Diskette oder CD im "
      "Laufwerk haben"}},
    {&SharedTexts::OpenFilter,
     {"HTML documents|*.htm*|Text files|*.txt|Javascript files|*.js|CSS files|*.css|All files|*.*",
      "HTML dokumenter|*.htm*|Tekst filer|*.txt|Javascript filer|*.js|CSS filer|*.css|Alle filer|*.*",
      "HTML Dokumenten|*.htm*|Textdateien|*.txt|Javascript Dateien|*.js|CSS Dateien|*.css|Alle "
      "Dateien|*.*"}},
    {&SharedTexts::OverwriteSelection,
     {"You have \"selected\" text in the editing window!\r\nDo you wish to overwrite it?",
      "Du har \"valgt\" tekst i redigeringsvinduet!\r\nVil du overskrive det?",
      "Sie haben Text in das Bearbeitungsfenster ausgewählt, möchten Sie das überschreiben?"}},
    {&SharedTexts::MissingDirectory,
     {"Specified directory does not exist\r\nDo you want the editor to create it ?",
      "Den angivede folder eksisterer ikke\r\nVil du skabe det nu ?",
      "Das angegebene Verzeichniss existiert nicht\r\nMöchten Sie es jetzt erstellen?"}},
    {&SharedTexts::FileExists,
     {" already exists\r\nDo you want to overwrite it ?", " eksisterer allerede\r\nVil du overskrive den?",
      " ist bereits vorhanden\r\nMöchten Sie es überschreiben?"}},
    {&SharedTexts::ContinueQuestion, {"Continue ?", "Fortsætte ?", "Weiter ?"}},
    {&SharedTexts::ReplaceWord, {"Replace ", "Erstat ", "Ersetze "}},
    {&SharedTexts::WithWord, {" with ", " med ", " mit "}},
    {&SharedTexts::QuestionEnd, {" ?", " ?", " ?"}},
};

SharedTexts textsOf(int lang)
{
    SharedTexts texts;
    for (const SharedRow &row : Rows)
        texts.*row.field = pick(row.text, lang);
    return texts;
}

} // namespace

SharedTexts &sharedTexts()
{
    static SharedTexts texts = textsOf(English);
    return texts;
}

void applySharedTexts(int lang)
{
    if (lang == English || lang == Danish || lang == German)
        sharedTexts() = textsOf(lang);
}

QString pictureDialogTitle(int lang)
{
    return pick({"Look up imagefile to open", "Find billedefilen der skal åbnes", "Bilddatei zum Öffnen suchen"},
                lang);
}
