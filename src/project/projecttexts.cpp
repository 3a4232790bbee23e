#include "project/projecttexts.h"
#include "settings/commoncaptions.h"
#include "settings/messagetable.h"

const CaptionTable ProjectCaptions{"project window", {
    {"projectform", {"Project control", "Projektstyring", "Projektsteuerrung"}},
    {"BitBtn1", CommonCaptions::New},
    {"BitBtn2", CommonCaptions::Open},
    {"BitBtn3", CommonCaptions::Save},
    {"BitBtn4", {"E&xit", "&Luk", "&Beenden"}},
    {"BitBtn5", {"Open &file(s)", "Åben &fil(er)", "Öf&fnen"}},
    {"BitBtn6", {"&Add file(s)", "&Tilføj fil(er)", "&Zufügen"}},
    {"BitBtn7", {"&Remove file(s)", "Fje&rn fil(er)", "&Entfernen"}},
    {"BitBtn8", {"H&elp", "Hj&ælp", "H&ilfe"}},
    {"BitBtn14", {"Select a&ll", "&Vælg alle", "Alle &wählen"}},
    {"ToolButton1", {"onTop", "Øverst", "Oben"}},
    {"Label1", {"File options", "Fil operationer", "Datei operationen"}},
    {"Label3", {"Snippets:", "Småbidder:", "Bruchstücke:"}},
    {"BitBtn9", {"A&dd", "Tilf&øj", "Zuf&ügen"}},
    {"BitBtn10", {"Re&move", "Fj&ern", "Entfe&rnen"}},
    {"BitBtn11", {"Cop&y", "&Kopier", "&Kopieren"}},
    {"BitBtn13", CommonCaptions::Help},
    {"BitBtn12", {"Hel&p", "Hjæl&p", "Hi&lfe"}},
}};

const CaptionTable ProjectNameCaptions{"project name dialog", {
    {"projectname", {"Project control", "Projekt styring", "Projektsteuerung"}},
    {"namelabel", {"Enter a name for the project : ", "Indtast nyt projektnavn : ",
                   "Geben Sie ein Projektname ein: "}},
    {"cancelbutton", CommonCaptions::Cancel},
    {"okbutton", CommonCaptions::Ok},
}};

const CaptionTable SnippetCaptions{"snippet dialog", {
    {"snipform", {"Snippet", "Småbid", "Bruchstück"}},
    {"Label1", {"Enter snippet", "Indtast småbid", "Bruchstück eingeben"}},
    {"BitBtn1", CommonCaptions::Cancel},
    {"BitBtn2", {"OK", "OK", "OK"}},
}};

const MessageTable Table{"project window"};

const Message ProjectNameLabel{Table, {"Project name: ", "Projektnavn: ", "Projektname: "}};
const Message ProjectFilter{
    Table, {"Markvale project files|*.mvp", "Markvale projekt filer|*.mvp", "Markvale projekt Dateien|*.mvp"}};
const Message ProjectDocumentFilter{Table,
                                    {"HTML,Javascript,CSS,text files|*.htm*; *.css; *.txt; *.js",
                                     "HTML,Javascript,CSS,text filer|*.htm*; *.css; *.txt; *.js",
                                     "HTML,Javascript,CSS,text Dateien|*.htm*; *.css; *.txt; *.js"}};
const Message InvalidProjectText{Table,
                                 {"Not a valid file. Please see the Help-File for more",
                                  "Fil ugyldig. Se venligst hjælpefilen for mere information",
                                  "Datei ungültig. Sehen Sie bitte im Hilf-datei nach für mehr Information"}};
const Message MissingFileText{Table,
                              {" does not exists. The file could not be opened",
                               " eksisterer ikke. Filen kunne ikke åbnes",
                               " existiert nicht. Das Datei konnte nicht geöffnet werden"}};
const Message ProjectSaveQuestion{
    Table,
    {"The file has been modified since the last save\r\nDo you wish to save it first ?",
     "Projektet er ændret siden det blev gemt\r\nVil du gemme det først ?",
     "Das Projekt wurde geändert seit dem letzen Speichern\r\nMöchten Sie jdas Projekt jetzt speichern ?"}};
const Message ProjectSaveFailed{Table,
                                {"The project could not be saved:\r\n%1", "Projektet kunne ikke gemmes:\r\n%1",
                                 "Das Projekt konnte nicht gespeichert werden:\r\n%1"}};
