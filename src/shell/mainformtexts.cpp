#include "shell/mainformtexts.h"

#include "settings/commoncaptions.h"
#include <QUrl>

const CaptionTable MainCaptions{"main window", {
    {"File1", {"&File", "&Fil", "&Datei"}},
    {"New1", CommonCaptions::New},
    {"HTML1", {"&HTML file", "&HTML fil", "&HTML Datei"}},
    {"Blank1", {"&Blank", "&Blank", "&Leer"}},
    {"Open1", CommonCaptions::Open},
    {"Reopen1", {"&Reopen", "Åbn &igen", "&Zuletzt geöffnet"}},
    {"Exit1", {"E&xit", "E&xit", "&Beenden"}},
    {"View1", {"&View", "&Vis", "&Ansicht"}},
    {"Toolbar2", {"&Tool bar", "&Værktøjsliste", "&Werkzeugsleiste"}},
    {"Statusbar2", {"&Status bar", "&Status liste", "&Status Leiste"}},
    {"Filelist1", {"&File list", "&Fil liste", "&Dateiliste"}},
    {"Colorcoding1", {"&Color coding", "Farve&kodning", "&Farbcodierung"}},
    {"Wizards1", {"Wi&zards", "Wi&zards", "Wi&zards"}},
    {"Frames1", {"&Frames wizard", "&Frames wizard", "&Frames wizard"}},
    {"Imagemap1", {"&Image map wizard", "&Image map wizard", "&Image map wizard"}},
    {"Projectcontrol1", {"&Project control", "&Projektstyring", "&Projektsteuerung"}},
    {"Addfiletoproject1", {"   &Add file to project", "   &Tilføj fil til projekt", "   &Datei zum Projekt zufügen"}},
    {"Focuseditor1", {"   Focus &editor", "   Focuser &editor", "   Focusier &editor"}},
    {"toggleproject1", {"   Focus &project", "   Focuser &projekt", "   Focusier &Project"}},
    {"uploadfile", {"&Upload file", "&Upload fil", "&Datei raufladen"}},
    {"Downloadandopen1", {"&Download and open file", "&Download og åben fil", "Datei &runterladen und öffnen"}},
    {"Createregfile1", {"&Save configuration", "&Gem konfiguration", "Konfiguration &speichern"}},
    {"Installregfile1", {"&Load configuration", "&Hent konfiguration", "&Konfiguration laden"}},
    {"Help1", CommonCaptions::Help},
    {"HelpWindow1", {"&Help window", "&Hjælpvinduet", "&Hilfefenster"}},
    {"About1", {"&About the editor", "Om &programmet", "&Über den Editor"}},
    {"C1", {"&Configuration", "&Konfiguration", "&Einstellungen"}},
    {"Updatesnews1", {"&Updates and news", "&Opdateringer og nyheder", "&Updates und Nachrichten"}},
    {"Sendbugreport1", {"&Send bug report", "&Send bugrapport", "&Bug-Bericht schicken"}},
    {"ToolBar1", {"Tool bar", "Værktøjsliste", "Werkzeugsleiste"}},
}};

const CaptionTable MainHints{"main window hints", {
    {"newbutton", {"Creates new HTML file", "Starter ny HTML fil", "Erstellt neues HTML Datei"}},
    {"openbutton", {"Opens existing file", "Åbner eksiterende fil", "Öffnet existierendes Datei"}},
    {"savebutton", {"Saves the document", "Gemmer dokumentet", "Speichert das Dokument"}},
    {"saveasbutton",
     {"Saves the document under a new name", "Gemmer dokumentet under et nyt navn",
      "Speichert das Dokument under eine neue Name"}},
    {"saveallbutton",
     {"Saves document(s) in all opened editing windows", "Gemmer dokumenterne i alle åbne vinduer",
      "Speichert Dokumenten in aktiven Fenstern"}},
    {"closebutton",
     {"Closes the active editing window", "Lukker det aktive redigeringsvindue", "Schließt das aktive Fenster"}},
    {"closeallbutton",
     {"Closes all opened editing windows", "Lukker alle åbne redigeringsvinduer",
      "Schließt alle geöffneten Fenstern"}},
    {"insertbutton",
     {"Allows insertion of text file in document", "Indsætter tekstfil i dokumentet",
      "Erlaubt das Einfügen von Text-Dateien"}},
    {"insertfrombutton",
     {"Inserts portion of text file in document", "Indsætter portion af tekstfil i dokumentet",
      "Erlaubt das Einfügen von Teile von Text-Dateien"}},
    {"printbutton",
     {"Prints document in active editing window", "Udskriver dokumentet i det aktive vindue",
      "Druckt Dokument im aktiven Fenster"}},
    {"searchbutton",
     {"Search for text in document(s)", "Finder tekst i dokument(er)", "Text in Dokument(en) suchen"}},
    {"replacebutton",
     {"Replace text in document(s)", "Erstatter tekst i dokument(er)", "Ersetzt Text in Dokument(en)"}},
    {"undobutton",
     {"Undoes the last change to the document", "Annulerer den sidste ændring i dokumentet",
      "Macht den letzen Operation rückgängig"}},
    {"redobutton",
     {"Undo the last undo operation", "Fortryd den sidste \"fortryd\" aktion",
      "Macht den letzten \"Rückgängig\" Operation rückgängig"}},
    {"tilebutton",
     {"Tiles all opened editing windows", "Arrangerer alle åbner vinduer (flise)",
      "Kachelt alle geöffneten Fenstern"}},
    {"cascadebutton",
     {"Arranges all opened editing windows in cascade style",
      "Arrangerer alle åbne redigeringsvinduer (kaskade)", "Arrangiert alle geöffneten Fenstern (Kaskade)"}},
    {"downloadbutton",
     {"Opens the connection window for a download", "Åbner FTP vinduet til en download",
      "Öffnet das Verbindungsfensetr für's runterladen"}},
    {"uploadbutton",
     {"Uploads document via FTP", "Åbner FTP vinduet til en upload", "Raufladen von Dokumenten mit FTP"}},
    {"configbutton",
     {"Opens the configuration window", "Åbner konfigurations vinduet", "Öffnet das Konfigurationsfenster"}},
    {"helpbutton", {"Opens the Help System", "Åbner Hjælpesystemet", "Öffnet das Hilfe-System"}},
    {"exitbutton", {"Closes the program", "Stopper programmet", "Schließt das Programm"}},
}, CaptionRole::Hint};

const CaptionTable HelpCaptions{"help window", {
    {"helpwindow", {"Markvale PRO Help", "Markvale PRO Hjælp", "Markvale PRO Hilfe"}},
    {"contentsbutton", {"&Contents", "&Indhold", "&Inhalt"}},
    {"backbutton", {"&Back", "&Tilbage", "&Zurück"}},
    {"forwardbutton", {"&Forward", "&Frem", "&Vorwärts"}},
    {"findlabel", {"F&ind:", "&Søg:", "&Suchen:"}},
}};

namespace MainTexts {

const MessageTable Table{"main window"};

const Message OpenDialogTitle{Table, {"Look up file to open", "Find filen der skal åbnes", "Datei zum Öffnen suchen"}};
const Message LoadSettingsTitle{Table,
                                {"Look up configuration file to load", "Find den konfigurationsfil der skal bruges",
                                 "Einstellungsdatei zum Laden suchen"}};
const Message SaveSettingsTitle{Table,
                                {"Enter name to save configurationfile under",
                                 "Angiv det filnavn konfigurationen skal gemmes under",
                                 "Name für den Einstellungsdatei anzeigen"}};
const Message ExportFailed{Table,
                           {"The configuration could not be saved in %1:\r\n%2",
                            "Konfigurationen kunne ikke gemmes i %1:\r\n%2",
                            "Die Konfiguration konnte nicht in %1 gespeichert werden:\r\n%2"}};

const Message SettingsFilter{Table, {"Reg-files|*.mvc", "Reg-filer|*.mvc", "Reg-Dateien|*.mvc"}};
const Message AboutText{
    Table,
    {"<h2>Markvale PRO</h2><p>Version %1</p><p>An HTML source editor for people<br>who build web pages by hand.</p>",
     "<h2>Markvale PRO</h2><p>Version %1</p><p>En HTML-editor til folk,<br>der bygger websider i hånden.</p>",
     "<h2>Markvale PRO</h2><p>Version %1</p><p>Ein HTML-Editor für alle,<br>die Webseiten von Hand bauen.</p>"}};

namespace {

const Message RecentFileGone{Table,
                             {"%1\r\nno longer exists and has been removed from the recent files.",
                              "%1\r\nfindes ikke længere og er fjernet fra de seneste filer.",
                              "%1\r\nexistiert nicht mehr und wurde aus den zuletzt geöffneten Dateien entfernt."}};
const Message NoMailProgram{Table,
                            {"No mail program could be started for:", "Der kunne ikke startes noget mailprogram til:",
                             "Es konnte kein E-Mail-Programm gestartet werden für:"}};
const Message NoBrowser{Table,
                        {"No web browser could be started for:", "Der kunne ikke startes nogen webbrowser til:",
                         "Es konnte kein Webbrowser gestartet werden für:"}};
const Message ChooseProgram{Table,
                            {"Choose a default program for it in the settings of your desktop.",
                             "Vælg et standardprogram til det i skrivebordets indstillinger.",
                             "Wählen Sie dafür ein Standardprogramm in den Einstellungen Ihres Desktops."}};

} // namespace
} // namespace MainTexts

QString recentFileGoneMessage(const QString &path, int lang)
{
    return MainTexts::RecentFileGone.text(lang).arg(path);
}

QString noProgramMessage(const QUrl &url, int lang)
{
    using namespace MainTexts;
    const bool mail = url.scheme() == QLatin1String("mailto");
    const QString address = url.isLocalFile() ? url.toLocalFile() : url.toString();
    return (mail ? NoMailProgram : NoBrowser).text(lang) + QLatin1String("\r\n") + address
           + QLatin1String("\r\n\r\n") + ChooseProgram.text(lang);
}
