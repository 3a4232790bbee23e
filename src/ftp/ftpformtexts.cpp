#include "ftp/ftpformtexts.h"

const CaptionTable TftpformCaptions = {
    {"cancelbtn", {"C&ancel", "&Stop aktion", "&Abbrechen"}},
    {"closebtn", {"Cl&ose", "&Luk", "&Schliesen"}},
    {"connectbtn", {"&Connect", "&Åben forb", "&Verbinden"}},
    {"createbtn", {"C&reate dir", "&Ny folder", "&Neues Verz."}},
    {"deldirbtn", {"Dele&te dir", "&Fjern folder", "Ver&z. löschen"}},
    {"delfilbtn", {"Delete &file", "&Slet fil", "&Datei löschen"}},
    {"disbtn", {"D&isconnect", "&Afbryd forb.", "&Trennen"}},
    {"downbtn", {"&Download", "&Download", "&Runterladen"}},
    {"renbtn", {"Rena&me file", "&Omdøb fil", "Datei &umb."}},
    {"rendirbtn", {"R&ename dir", "Omd&øb folder", "Verz um&b."}},
    {"upbtn", {"&Upload", "&Upload", "R&aufladen"}},
    {"helpbutton", {"&Help", "&Hjælp", "&Hilfe"}},
    {"statuslabel", {"Status:", "Status:", "Status:"}},
};

namespace {

QString text(const LangText &t, int lang)
{
    return pick(t, lang);
}

QStringList texts(std::initializer_list<LangText> list, int lang)
{
    QStringList result;
    for (const LangText &t : list)
        result << pick(t, lang);
    return result;
}

} // namespace

FtpFormTexts ftpFormTexts(int lang)
{
    FtpFormTexts t;
    t.openTitle = text({"Choose files to upload", "Vælg de filer du vil uploade",
                        "Geben Sie an welche Dateien Sie raufladen möchten"},
                       lang);
    t.openFilter = text({"All files|*.*", "Alle filer|*.*", "Alle Datein|*.*"}, lang);
    t.fileColumns = texts({{"Filename", "Filnavn", "Dateiname"},
                           {"Size", "Størrelse", "Größe"},
                           {"Last modified", "Sidst modificeret", "Zuletzt geändert"}},
                          lang);
    t.folderColumns = texts({{"Folder", "Folder", "Verz."}, {"Modified", "Modificeret", "Modifiziert"}}, lang);
    t.overwriteSuffix = text({" exists, do you want to overwrite it?", " eksisterer allerede, vil du overskrive den?",
                              " ist bereits vorhanden, möchten Sie es überschreiben?"},
                             lang);
    t.deleteConfirmation = text({"Are you sure you want to delete ?", "Er du sikker på at du vil slette ?",
                                 "Sind Sie sicher dass Sie löschen möchte?"},
                                lang);
    t.connectionFailed = text(
        {"A connection to the internet could not be established, you have to close the program before trying again",
         "En forbindelse til Internetter kunne ikke etableres. Du er nødt til at lukke programmet før du prøver igen",
         "Einen Verbindung zum Internet konnte nicht etabliert werden. Sie müssen das Programm schliesen bevor Sie "
         "es nochmal versuchen"},
        lang);
    t.unsafeName = text({"The server's file name \"%1\" cannot be used as a local file name; the file was not "
                         "downloaded",
                         "Serverens filnavn \"%1\" kan ikke bruges som lokalt filnavn; filen blev ikke downloadet",
                         "Der Dateiname \"%1\" des Servers kann nicht als lokaler Dateiname verwendet werden; die "
                         "Datei wurde nicht runtergeladen"},
                        lang);
    t.trustCertificate = text({"The certificate of %1 could not be verified:\n%2\n\nDo you trust it for this "
                               "connection?",
                               "Certifikatet fra %1 kunne ikke bekræftes:\n%2\n\nStoler du på det for denne "
                               "forbindelse?",
                               "Das Zertifikat von %1 konnte nicht überprüft werden:\n%2\n\nVertrauen Sie ihm für "
                               "diese Verbindung?"},
                              lang);
    t.uploadBrokenOff = text({"The upload of %1 was broken off; the copy on the server may be incomplete.",
                              "Upload af %1 blev afbrudt; kopien på serveren kan være ufuldstændig.",
                              "Das Raufladen von %1 wurde abgebrochen; die Kopie auf dem Server ist möglicherweise "
                              "unvollständig."},
                             lang);
    t.notDeleted = text({"These files were not deleted:", "Disse filer blev ikke slettet:",
                         "Diese Dateien wurden nicht gelöscht:"},
                        lang);
    t.listingCut = text({"The folder holds more than can be shown; only its first %1 entries are listed.",
                         "Folderen rummer mere end der kan vises; kun de første %1 elementer er vist.",
                         "Das Verzeichnis enthält mehr, als angezeigt werden kann; nur die ersten %1 Einträge "
                         "sind aufgeführt."},
                        lang);
    return t;
}

QString failureText(TCmdType type, int lang)
{
    static const LangText other = {"An error occured, please close the window and try again",
                                   "Der opstod en fejl, luk venligst vinduet og prøv igen",
                                   "Ein Fehler ist aufgetreten, bitte schliesen Sie das Fenster und versuchen Sie "
                                   "es nochmal"};
    switch (type) {
    case TCmdType::ChangeFolder:
        return text({"Couldn't change to the selected folder", "Kunne ikke skifte til den angivne folder",
                     "Konnte nicht zu angegebene Verzeichniss wächslen"},
                    lang);
    case TCmdType::MakeFolder:
        return text({"Couldn't create the folder", "Kunne ikke skabe folderen", "Konnte nicht Verzeichniss erstellen"},
                    lang);
    case TCmdType::RemoveFile:
        return text({"Couldn't delete the selected file", "Kunne ikke slette fil", "Konnte Datei nicht löschen"},
                    lang);
    case TCmdType::RemoveFolder:
        return text({"Couldn't delete the selected folder", "Kunne ikke slette folder",
                     "Konnte Verzeichniss nicht entfernen"},
                    lang);
    case TCmdType::ListFolder:
        return text({"Couldn't read the folder", "Kunne ikke hente filliste", "Konnte Inhalt nicht auflisten"}, lang);
    case TCmdType::Rename:
        return text({"Couldn't rename the selected file or folder", "Kunne ikke omdøbe fil eller folder",
                     "Konnte Datei oder Verzeichniss nicht umbenennen"},
                    lang);
    case TCmdType::Download:
        return text({"Couldn't download selected file", "Kunne ikke downloade fil", "Konnte Datei nicht runterladen"},
                    lang);
    case TCmdType::Upload:
        return text({"Couldn't upload selected file", "Kunne ikke uploade fil", "Konnte Datei nicht raufladen"}, lang);
    default:
        return text(other, lang);
    }
}
