#include "ftp/ftpformtexts.h"

#include "settings/commoncaptions.h"

const CaptionTable TftpformCaptions{"FTP window", {
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
    {"helpbutton", CommonCaptions::Help},
    {"statuslabel", {"Status:", "Status:", "Status:"}},
}};

namespace FtpTexts {

const MessageTable Table{"FTP window"};

const Message OpenTitle{Table,
                        {"Choose files to upload", "Vælg de filer du vil uploade",
                         "Geben Sie an welche Dateien Sie raufladen möchten"}};
const Message OpenFilter{Table, {"All files|*.*", "Alle filer|*.*", "Alle Datein|*.*"}};
const Message FileNameColumn{Table, {"Filename", "Filnavn", "Dateiname"}};
const Message SizeColumn{Table, {"Size", "Størrelse", "Größe"}};
const Message LastModifiedColumn{Table, {"Last modified", "Sidst modificeret", "Zuletzt geändert"}};
const Message FolderColumn{Table, {"Folder", "Folder", "Verz."}};
const Message ModifiedColumn{Table, {"Modified", "Modificeret", "Modifiziert"}};
const Message OverwriteSuffix{Table,
                              {" exists, do you want to overwrite it?", " eksisterer allerede, vil du overskrive den?",
                               " ist bereits vorhanden, möchten Sie es überschreiben?"}};
const Message DeleteConfirmation{Table,
                                 {"Are you sure you want to delete ?", "Er du sikker på at du vil slette ?",
                                  "Sind Sie sicher dass Sie löschen möchte?"}};
const Message ConnectionFailed{
    Table,
    {"A connection to the internet could not be established, you have to close the program before trying again",
     "En forbindelse til Internetter kunne ikke etableres. Du er nødt til at lukke programmet før du prøver igen",
     "Einen Verbindung zum Internet konnte nicht etabliert werden. Sie müssen das Programm schliesen bevor Sie "
     "es nochmal versuchen"}};
const Message UnsafeName{Table,
                         {"The server's file name \"%1\" cannot be used as a local file name; the file was not "
                          "downloaded",
                          "Serverens filnavn \"%1\" kan ikke bruges som lokalt filnavn; filen blev ikke downloadet",
                          "Der Dateiname \"%1\" des Servers kann nicht als lokaler Dateiname verwendet werden; die "
                          "Datei wurde nicht runtergeladen"}};
const Message TrustCertificate{Table,
                               {"The certificate of %1 could not be verified:\n%2\n\nDo you trust it for this "
                                "connection?",
                                "Certifikatet fra %1 kunne ikke bekræftes:\n%2\n\nStoler du på det for denne "
                                "forbindelse?",
                                "Das Zertifikat von %1 konnte nicht überprüft werden:\n%2\n\nVertrauen Sie ihm für "
                                "diese Verbindung?"}};
const Message UploadBrokenOff{Table,
                              {"The upload of %1 was broken off; the copy on the server may be incomplete.",
                               "Upload af %1 blev afbrudt; kopien på serveren kan være ufuldstændig.",
                               "Das Raufladen von %1 wurde abgebrochen; die Kopie auf dem Server ist möglicherweise "
                               "unvollständig."}};
const Message NotDeleted{Table,
                         {"These files were not deleted:", "Disse filer blev ikke slettet:",
                          "Diese Dateien wurden nicht gelöscht:"}};
const Message ListingCut{Table,
                         {"The folder holds more than can be shown; only its first %1 entries are listed.",
                          "Folderen rummer mere end der kan vises; kun de første %1 elementer er vist.",
                          "Das Verzeichnis enthält mehr, als angezeigt werden kann; nur die ersten %1 Einträge "
                          "sind aufgeführt."}};

namespace {

const Message OtherFailure{Table,
                           {"An error occured, please close the window and try again",
                            "Der opstod en fejl, luk venligst vinduet og prøv igen",
                            "Ein Fehler ist aufgetreten, bitte schliesen Sie das Fenster und versuchen Sie "
                            "es nochmal"}};
const Message ChangeFolderFailed{Table,
                                 {"Couldn't change to the selected folder", "Kunne ikke skifte til den angivne folder",
                                  "Konnte nicht zu angegebene Verzeichniss wächslen"}};
const Message MakeFolderFailed{
    Table, {"Couldn't create the folder", "Kunne ikke skabe folderen", "Konnte nicht Verzeichniss erstellen"}};
const Message RemoveFileFailed{
    Table, {"Couldn't delete the selected file", "Kunne ikke slette fil", "Konnte Datei nicht löschen"}};
const Message RemoveFolderFailed{
    Table, {"Couldn't delete the selected folder", "Kunne ikke slette folder", "Konnte Verzeichniss nicht entfernen"}};
const Message ListFolderFailed{
    Table, {"Couldn't read the folder", "Kunne ikke hente filliste", "Konnte Inhalt nicht auflisten"}};
const Message RenameFailed{Table,
                           {"Couldn't rename the selected file or folder", "Kunne ikke omdøbe fil eller folder",
                            "Konnte Datei oder Verzeichniss nicht umbenennen"}};
const Message DownloadFailed{
    Table, {"Couldn't download selected file", "Kunne ikke downloade fil", "Konnte Datei nicht runterladen"}};
const Message UploadFailed{
    Table, {"Couldn't upload selected file", "Kunne ikke uploade fil", "Konnte Datei nicht raufladen"}};

} // namespace

QString failureText(TCmdType type, int lang)
{
    switch (type) {
    case TCmdType::ChangeFolder:
        return ChangeFolderFailed.text(lang);
    case TCmdType::MakeFolder:
        return MakeFolderFailed.text(lang);
    case TCmdType::RemoveFile:
        return RemoveFileFailed.text(lang);
    case TCmdType::RemoveFolder:
        return RemoveFolderFailed.text(lang);
    case TCmdType::ListFolder:
        return ListFolderFailed.text(lang);
    case TCmdType::Rename:
        return RenameFailed.text(lang);
    case TCmdType::Download:
        return DownloadFailed.text(lang);
    case TCmdType::Upload:
        return UploadFailed.text(lang);
    default:
        return OtherFailure.text(lang);
    }
}

} // namespace FtpTexts
