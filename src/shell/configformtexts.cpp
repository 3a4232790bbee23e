#include "shell/configformtexts.h"
#include "settings/commoncaptions.h"

const CaptionTable ConfigCaptions{"configuration dialog", {
    {"autobox", {"&Auto save on/off", "&Autogem til/fra", "&Auto-speichern an/aus"}},
    {"cancelbutton", {"&Cancel", "&Luk", "A&bbrechen"}},
    {"colorbox", {"Colo&r coding on/off", "Farve &Kodning til/fra", "&Farbkodierung an/aus"}},
    {"defaultbutton", {"D&efault", "&Standard", "Spe&ichern"}},
    {"dirsheet", {"&Directories", "&Biblioteker", "&Verzeichnisse"}},
    {"exlabel", {"Choose the respective starting directories.", "Vælg de respektive startbiblioteker",
                 "Wählen Sie die respektiven Verzeichnisse"}},
    {"fontsheet", {"&Font", "&Font", "&Schriftart"}},
    {"helpbutton", CommonCaptions::Help},
    {"langsheet", {"&Language", "Sp&rog", "S&prache"}},
    {"missinglabel", {"(not installed)", "(ikke installeret)", "(nicht installiert)"}},
    {"okbutton", CommonCaptions::Ok},
    {"openlabel", {"Open file", "Åben fil", "Öffne Datei"}},
    {"prefsheet", {"&Preferences", "&Indstillinger", "&Einstellungen"}},
    {"savelabel", {"Save file", "Gem fil", "Speicher Datei"}},
    {"sizelabel", {"Size", "Størrelse", "Größe"}},
    {"templatesbox", {"&Tag templates on/off", "&Tag skabeloner til/fra", "&Tag Schabelonen an/aus"}},
    {"textlabel", {"Insert text", "Indsæt tekst", "Text einfügen"}},
    {"typelabel", {"Font type", "Font type", "Schriftart"}},
    {"wrapbox", {"&Word wrapping on/off", "Sideombr&ydning", "Seiten&umbruch an/aus"}},
}};

namespace ConfigTexts {

const MessageTable Table{"configuration dialog"};

const Message OpenDirPrompt{
    Table, {"The starting directory for opening files", "Startbiblioteket for at åbne filer",
            "Anfangsordner für das Öffnen von Dateien"}};
const Message SaveDirPrompt{
    Table, {"The starting directory for saving files", "Startbiblioteket for at gemme filer",
            "Anfangsordner für das Speichern von Dateien"}};
const Message TextDirPrompt{
    Table, {"The starting directory for inserting text files", "Startbiblioteket for at indsætte tekst filer",
            "Anfangsordner für das Einfügen von Text Dateien"}};

} // namespace ConfigTexts
