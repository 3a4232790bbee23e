#include "settings/sharedtexts.h"

namespace SharedTexts {

const MessageTable Table{"shared texts"};

const Message ModifiedText{Table, {"modified", "modificeret", "modifiziert"}};
const Message WindowsText{Table, {"window(s)", "vindue(r)", "Fenster(n)"}};
const Message UntitledName{Table, {"No name", "Uden navn", "Ohne Name"}};
const Message BlankName{Table, {"Empty file", "Tom fil", "Leeres Datei"}};
const Message DriveError{
    Table,
    {"The selected drive could not be accesed\r\nMake sure you have a disk or CD in the drive, and try again",
     "Det valgte drev svarer ikke\r\nCheck om du har en diskette eller Cd i det",
     "Das ausgewählte Laufwerk reagiert nicht\r\nVergewissern Sie sich das Sie eine Diskette oder CD im "
     "Laufwerk haben"}};
const Message OpenFilter{
    Table,
    {"HTML documents|*.htm*|Text files|*.txt|Javascript files|*.js|CSS files|*.css|All files|*.*",
     "HTML dokumenter|*.htm*|Tekst filer|*.txt|Javascript filer|*.js|CSS filer|*.css|Alle filer|*.*",
     "HTML Dokumenten|*.htm*|Textdateien|*.txt|Javascript Dateien|*.js|CSS Dateien|*.css|Alle "
     "Dateien|*.*"}};
const Message OverwriteSelection{
    Table,
    {"You have \"selected\" text in the editing window!\r\nDo you wish to overwrite it?",
     "Du har \"valgt\" tekst i redigeringsvinduet!\r\nVil du overskrive det?",
     "Sie haben Text in das Bearbeitungsfenster ausgewählt, möchten Sie das überschreiben?"}};
const Message MissingDirectory{
    Table,
    {"Specified directory does not exist\r\nDo you want the editor to create it ?",
     "Den angivede folder eksisterer ikke\r\nVil du skabe det nu ?",
     "Das angegebene Verzeichniss existiert nicht\r\nMöchten Sie es jetzt erstellen?"}};
const Message FileExists{Table,
                         {" already exists\r\nDo you want to overwrite it ?",
                          " eksisterer allerede\r\nVil du overskrive den?",
                          " ist bereits vorhanden\r\nMöchten Sie es überschreiben?"}};
const Message ContinueQuestion{Table, {"Continue ?", "Fortsætte ?", "Weiter ?"}};
const Message ReplaceWord{Table, {"Replace ", "Erstat ", "Ersetze "}};
const Message WithWord{Table, {" with ", " med ", " mit "}};
const Message QuestionEnd{Table, {" ?", " ?", " ?"}};
const Message PictureDialogTitle{
    Table, {"Look up imagefile to open", "Find billedefilen der skal åbnes", "Bilddatei zum Öffnen suchen"}};

const Message PictureFilter{Table,
                            {"Browser supported files|*.gif; *.jpg", "Billeder som browsere viser|*.gif; *.jpg",
                             "Von Browsern unterstützte Bilder|*.gif; *.jpg"}};
const Message ByteCount{Table, {"%1 bytes", "%1 bytes", "%1 Bytes"}};

} // namespace SharedTexts
