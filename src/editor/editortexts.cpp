#include "editor/editortexts.h"

#include "settings/commoncaptions.h"

namespace EditorTexts {

const MessageTable Table{"editor window"};

const Message AutoSaveSuffix{Table, {"    [Auto Save]", "    [Autogem]", "    [Auto Speichern]"}};
const Message NotNamedMessage{Table,
                              {"The file has not yet been named.\r\nPlease save and name it before "
                               "trying AutoSave.",
                               "Filen har ikke noget navn.\r\nGem filen under et navn og prøv igen.",
                               "Das Datei hat noch keine Name\r\nBitte speichern Sie es und versuchen "
                               "Sie es nochmal."}};
const Message SaveFirstQuestion{Table,
                                {" was modified since the last save !\r\nDo you wish to save it first ?",
                                 " er ændret siden den sidst blev gemt!\r\nVil du gemme den nu?",
                                 " wurde seit dem letzen Speichern geändert!\r\nMöchten Sie es erst "
                                 "speichern?"}};
const Message AreYouSureText{Table, {"Are you sure ?", "Er du sikker ?", "Sind Sie sicher ?"}};
const Message NotANumberText{Table,
                             {" is not a valid number, please try again.", " er ikke et gyldigt nummer, prøv igen.",
                              " ist kein gültiger Zahl, bitte versuchen Sie es nochmal."}};
const Message SaveDialogTitle{
    Table, {"Enter name to save file as", "Angiv det navn filen skal gemmes som", "Geben Sie die Name des dateis an"}};
const Message InsertDialogTitle{
    Table, {"Look up text file to insert", "Find tekstfilen der skal indsættes", "Textdatei zum Einfügen suchen"}};
const Message ReadError{
    Table, {"Could not read %1:\r\n%2", "Kunne ikke læse %1:\r\n%2", "%1 konnte nicht gelesen werden:\r\n%2"}};
const Message WriteError{Table,
                         {"Could not save %1:\r\n%2\r\nThe file on disk is unchanged.",
                          "Kunne ikke gemme %1:\r\n%2\r\nFilen på disken er uændret.",
                          "%1 konnte nicht gespeichert werden:\r\n%2\r\nDie Datei auf der "
                          "Festplatte ist unverändert."}};
const Message BinaryFile{Table, {"%1 is not a text file.", "%1 er ikke en tekstfil.", "%1 ist keine Textdatei."}};
const Message TooLarge{
    Table, {"%1 is too large to open.", "%1 er for stor til at blive åbnet.", "%1 ist zu groß zum Öffnen."}};
const Message Unencodable{Table,
                          {"%1 holds characters that the encoding %2 cannot "
                           "store. Save it under another name as UTF-8 "
                           "or remove them.",
                           "%1 indeholder tegn som tegnsættet %2 ikke kan "
                           "gemme. Gem den under et andet navn som UTF-8 "
                           "eller fjern dem.",
                           "%1 enthält Zeichen, die die Kodierung %2 nicht "
                           "speichern kann. Speichern Sie es unter einem "
                           "anderen Namen als UTF-8 oder entfernen Sie sie."}};
const Message NoSuchFile{Table, {"The file does not exist.", "Filen findes ikke.", "Die Datei existiert nicht."}};
const Message IsDirectory{
    Table, {"This is a folder, not a file.", "Det er en mappe, ikke en fil.", "Das ist ein Verzeichnis, keine Datei."}};
const Message Unreadable{Table,
                         {"The file cannot be read.", "Filen kan ikke læses.", "Die Datei kann nicht gelesen werden."}};
const Message PictureEmpty{Table, {"The file is empty.", "Filen er tom.", "Die Datei ist leer."}};
const Message NotAPicture{Table,
                          {"The file is not a GIF, JPEG or BMP picture.",
                           "Filen er ikke et GIF-, JPEG- eller BMP-billede.",
                           "Die Datei ist kein GIF-, JPEG- oder BMP-Bild."}};
const Message PictureDamaged{
    Table, {"The picture file is damaged.", "Billedfilen er beskadiget.", "Die Bilddatei ist beschädigt."}};
const Message PictureIncomplete{
    Table, {"The picture file is incomplete.", "Billedfilen er ufuldstændig.", "Die Bilddatei ist unvollständig."}};
const Message PictureTooLarge{Table,
                              {"The picture is too large to show (%1 pixels).",
                               "Billedet er for stort til at blive vist (%1 pixel).",
                               "Das Bild ist zu groß zum Anzeigen (%1 Pixel)."}};
const Message PictureNoMemory{Table,
                              {"There is not enough memory to show the picture.",
                               "Der er ikke hukommelse nok til at vise billedet.",
                               "Es ist nicht genug Speicher frei, um das Bild anzuzeigen."}};
const Message ReloadQuestion{Table,
                             {"%1\r\nhas been changed on disk by another program.\r\nDo you want to "
                              "reload it?",
                              "%1\r\ner blevet ændret på disken af et andet program.\r\nVil du indlæse "
                              "den igen?",
                              "%1\r\nwurde von einem anderen Programm auf der Festplatte "
                              "geändert.\r\nMöchten Sie die Datei neu laden?"}};
const Message OverwriteQuestion{Table,
                                {"%1\r\nhas been changed on disk by another program since you opened or "
                                 "saved it.\r\n"
                                 "Save your text over it, or reload the file (Undo brings your text back)?",
                                 "%1\r\ner blevet ændret på disken af et andet program, siden du åbnede "
                                 "eller gemte den.\r\n"
                                 "Vil du gemme din tekst oven i den eller indlæse filen igen (Fortryd "
                                 "henter din tekst tilbage)?",
                                 "%1\r\nwurde seit dem Öffnen oder Speichern von einem anderen Programm "
                                 "auf der Festplatte geändert.\r\n"
                                 "Ihren Text darüber speichern oder die Datei neu laden (Rückgängig holt "
                                 "Ihren Text zurück)?"}};
const Message SaveAnywayChoice{Table, {"&Save anyway", "&Gem alligevel", "&Trotzdem speichern"}};
const Message ReloadChoice{Table, {"&Reload", "&Indlæs igen", "&Neu laden"}};
const Message CancelChoice{Table, {"Cancel", "Annuller", "Abbrechen"}};
const Message FileRemoved{Table,
                          {"%1\r\nhas been deleted or moved by another program.\r\nThe text stays "
                           "here; Save writes the file again.",
                           "%1\r\ner blevet slettet eller flyttet af et andet program.\r\nTeksten "
                           "bliver her; Gem skriver filen igen.",
                           "%1\r\nwurde von einem anderen Programm gelöscht oder verschoben.\r\nDer "
                           "Text bleibt hier; Speichern "
                           "schreibt die Datei neu."}};

const Message TextFileFilter{Table, {"Text files|*.txt", "Tekstfiler|*.txt", "Textdateien|*.txt"}};
const Message CaretPosition{Table, {"Line:%1 Pos:%2", "Linje:%1 Pos:%2", "Zeile:%1 Pos:%2"}};

} // namespace EditorTexts

namespace {

QString withDetail(const QString &reason, const QString &detail) {
    return detail.isEmpty() ? reason : reason + QLatin1String("\r\n") + detail;
}

} // namespace

QString readErrorText(const QString &path, TextFile::Error error, const QString &detail) {
    using namespace EditorTexts;
    switch (error) {
    case TextFile::Error::Binary:
        return BinaryFile.text().arg(path);
    case TextFile::Error::TooLarge:
        return TooLarge.text().arg(path);
    case TextFile::Error::NotFound:
        return ReadError.text().arg(path, NoSuchFile.text());
    case TextFile::Error::IsDirectory:
        return ReadError.text().arg(path, IsDirectory.text());
    default:
        return ReadError.text().arg(path, withDetail(Unreadable.text(), detail));
    }
}

QString pictureErrorText(const QString &path, const PictureError &error) {
    using namespace EditorTexts;
    using Kind = PictureError::Kind;
    switch (error.kind) {
    case Kind::NotFound:
        return ReadError.text().arg(path, NoSuchFile.text());
    case Kind::IsDirectory:
        return ReadError.text().arg(path, IsDirectory.text());
    case Kind::Empty:
        return ReadError.text().arg(path, PictureEmpty.text());
    case Kind::NotAPicture:
        return ReadError.text().arg(path, NotAPicture.text());
    case Kind::Incomplete:
        return ReadError.text().arg(path, PictureIncomplete.text());
    case Kind::TooLarge:
        return ReadError.text().arg(path, PictureTooLarge.text().arg(error.detail));
    case Kind::OutOfMemory:
        return ReadError.text().arg(path, PictureNoMemory.text());
    case Kind::Damaged:
        return ReadError.text().arg(path, withDetail(PictureDamaged.text(), error.detail));
    case Kind::Unreadable:
    case Kind::None:
        break;
    }
    return ReadError.text().arg(path, withDetail(Unreadable.text(), error.detail));
}

const CaptionTable EditorCaptions{"editor window", {
    {"File1", {"&File", "&Fil", "&Datei"}},
    {"New1", CommonCaptions::New},
    {"Html1", {"&HTML file", "&HTML fil", "&HTML Datei"}},
    {"Blank1", {"&Blank file", "&Tom fil", "&Leeres Datei"}},
    {"Open1", CommonCaptions::Open},
    {"Reopen1", {"&Reopen", "Åbn &igen", "&Zuletzt geöffnet"}},
    {"Save1", CommonCaptions::Save},
    {"saveas", {"Save &as", "Gem s&om", "Speichern &als"}},
    {"Saveall1", {"Sa&ve all", "Gem all&e", "A&lle speichern"}},
    {"Close1", {"&Close", "&Luk", "S&chliesen"}},
    {"Closeall1", {"Close al&l", "Luk &alle", "&Alle sc&hilesen"}},
    {"Insertfrom1", {"Insert &text file", "Indsæt &tekstfil", "&Text Datei einfügen"}},
    {"Insertfromtextfile1", {"Insert from te&xt file", "Indsæt fra te&kstfil", "&Vom Text Datei einfügen"}},
    {"Printersetup1", {"&Print..", "&Udskriv", "&Drucken"}},
    {"Exit2", {"E&xit", "&Slut", "&Beenden"}},
    {"View1", {"&View", "&Vis", "&Ansicht"}},
    {"Toolbar1", {"&Tool bar", "&Værktøjsliste", "&Werkzeugsleiste"}},
    {"Statusbar1", {"&Status bar", "&Status liste", "&Statusleiste"}},
    {"Filelist1", {"&Filelist", "&Filliste", "&Dateiliste"}},
    {"Tagtemplates1", {"Tag te&mplates", "&Tag skabeloner", "&Tagsschablonen"}},
    {"Wordwrapping2", {"&Word wrapping", "Sideom&brydning", "&Zeilenumbruch"}},
    {"Autosave1", {"&Autosave", "&Auto Gem", "&Auto speichern"}},
    {"Linenumbers1", {"&Line numbers", "&Linjenumre", "Zeilen&nummern"}},
    {"Edit1", {"&Edit", "&Rediger", "&Bearbeiten"}},
    {"Undolasttag1", {"&Undo", "&Fortryd", "&Rückgängig"}},
    {"Undoundo1", {"Red&o", "Fortr&yd \"fortryd\"", "&Wiederherstellen"}},
    {"Copy1", {"&Copy", "&Kopier", "&Kopieren"}},
    {"Cut1", {"Cu&t", "Sk&ær", "&Ausschnieden"}},
    {"Paste1", {"&Paste", "&Indsæt", "Einf&ügen"}},
    {"Delete1", {"&Delete", "S&let", "&Löschen"}},
    {"Deleteline1", {"Delete l&ine", "Slet lin&je", "&Zeile löschen"}},
    {"Special2", {"&Special", "Spe&ciel", "S&onder.."}},
    {"Bottomofpage1", {"&Bottom of page", "&Bunden af siden", "&Ende des Dateis"}},
    {"Topofpage1", {"&Top of page", "&Toppen af siden", "&Anfangszeile"}},
    {"Jumpto1", {"&Jump to", "&Spring til", "&Springe zu"}},
    {"Selectall1", {"&Select all", "&Markér alt", "Alles a&uswählen"}},
    {"Setlinebreaks1", {"Set line &breaks", "Indsæt linje&brud", "Zeilen&brüch setzen"}},
    {"removelinebreaks1", {"Remove &line breaks", "Fjern linjebru&d", "Zeilenbrüche ent&fernen"}},
    {"Removeemptylines1", {"Remove &empty lines", "Fjern to&mme linjer", "Leere Zeile&n entfernen"}},
    {"Search2", {"&Search", "&Søg", "&Suchen"}},
    {"Replace2", {"&Replace", "&Erstat", "&Ersetzen"}},
    {"Tags1", {"&Tags", "&Tags", "&Tags"}},
    {"Structure1", {"&Structure", "&Struktur", "&Struktur"}},
    {"Objects1", {"&Objects", "&Objekter", "&Objekten"}},
    {"Textformatting1", {"&Text formatting", "&Tekstformatering", "&Textformatierung"}},
    {"Lists2", {"&Lists", "&Lister", "Listen"}},
    {"Numberedlist1", {"&Numbered list", "&Nummeret liste", "&Nummerliste"}},
    {"Bulletedlist1", {"&Bulleted list", "&Kugle liste", "&Kugelliste"}},
    {"Definitionlist1", {"&Definition list", "Definitions &liste", "Definitions&liste"}},
    {"Definitionterm1", {"&Definition term", "Definitions &overskrift", "Definitions&überschrift"}},
    {"Definitionitem1", {"&Definition item", "Definitions &punkt", "Definitions&punkt"}},
    {"Margins1", {"&Margins", "&Marginer", "&Ränder"}},
    {"Margins2", {"&Margins", "&Marginer", "&Ränder"}},
    {"Metatags2", {"&Meta tags", "&Meta tags", "&Meta tags"}},
    {"Forms2", {"&Forms", "&Forms", "&Forms"}},
    {"Input1", {"&Input", "&Input", "&Input"}},
    {"CSS1", {"&CSS", "&CSS", "&CSS"}},
    {"Events1", {"&Javascripts", "&Javascripts", "&Javascripts"}},
    {"LayerDHTML1", {"&Layer/DHTML", "&Layer/DHTML", "&Layer/DHTML"}},
    {"Generator1", {"&Generator", "&Generator", "&Generator"}},
    {"Defined1", {"&Defined", "&Defineret", "D&efiniert"}},
    {"Setdefinedtag1", {"&Set defined tags", "&Sæt definerede tags", "&Definierte Tags bestimmen"}},
    {"Div1", {"&Misc", "&Blandet", "&Gemischt"}},
    {"Space2", {"&Space", "&Mellemrum", "Leer&zeichen"}},
    {"intext1", {"< &in text", "< i &tekst", "< im &Text"}},
    {"intext2", {"> in &text", "> i te&kst", "> im Te&xt"}},
    {"Getcolor1", {"Get &color", "&Farvekode", "&Farbcode"}},
    {"Spellcheck1", {"&Spellcheck", "&Stavekontrol", "&Rectschreibung"}},
    {"LinktoMarkvale1", {"&Link to Markvale", "&Link til Markvale", "&Link zu Markvale"}},
    {"Window1", {"&Windows", "V&indue", "&Fenster"}},
    {"Tile1", {"&Tile", "&Flise", "&Kacheln"}},
    {"Cascade1", {"&Cascade", "&Overlap", "&Überlagernd"}},
    {"Arrangeall1", {"&Arrange All", "&Arranger alle", "&Alle arrangieren"}},
    {"Maximize1", {"&Maximize", "&Maksimer", "&Maximieren"}},
    {"Minimize1", {"M&inimize", "M&inimer", "M&inimieren"}},
    {"Next1", {"&Next", "&Næste", "&Nächste"}},
    {"Previous1", {"&Previous", "&Tidligere", "&Vorrige"}},
    {"LaunchBrowser1", {"&Launch browser", "&Start browser", "&Browser starten"}},
    {"Special1", {"&Special", "Spe&ciel", "S&onder.."}},
    {"French1", {"&French", "&Fransk", "&Fransösisch"}},
    {"Spanish1", {"S&panish", "&Spansk", "&Spanisch"}},
    {"German1", {"&German", "&Tysk", "&Deutsch"}},
    {"Danish1", {"&Danish", "&Dansk", "&Dänisch"}},
    {"Others1", {"&Others", "&Andre", "&Andere"}},
}};
