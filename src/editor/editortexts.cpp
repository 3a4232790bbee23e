#include "editor/editortexts.h"
#include "settings/commoncaptions.h"

namespace {

struct TextRow
{
    QString EditorTexts::*field;
    LangText text;
};

const TextRow Rows[] = {
    {&EditorTexts::AutoSaveSuffix, {"    [Auto Save]", "    [Autogem]", "    [Auto Speichern]"}},
    {&EditorTexts::NotNamedMessage,
     {"The file has not yet been named.\r\nPlease save and name it before trying AutoSave.",
      "Filen har ikke noget navn.\r\nGem filen under et navn og prøv igen.",
      "Das Datei hat noch keine Name\r\nBitte speichern Sie es und versuchen Sie es nochmal."}},
    {&EditorTexts::SaveFirstQuestion,
     {" was modified since the last save !\r\nDo you wish to save it first ?",
      " er ændret siden den sidst blev gemt!\r\nVil du gemme den nu?",
      " wurde seit dem letzen Speichern geändert!\r\nMöchten Sie es erst speichern?"}},
    {&EditorTexts::AreYouSureText, {"Are you sure ?", "Er du sikker ?", "Sind Sie sicher ?"}},
    {&EditorTexts::NotANumberText,
     {" is not a valid number, please try again.", " er ikke et gyldigt nummer, prøv igen.",
      " ist kein gültiger Zahl, bitte versuchen Sie es nochmal."}},
    {&EditorTexts::SaveDialogTitle,
     {"Enter name to save file as", "Angiv det navn filen skal gemmes som",
      "Geben Sie die Name des dateis an"}},
    {&EditorTexts::InsertDialogTitle,
     {"Look up text file to insert", "Find tekstfilen der skal indsættes",
      "Textdatei zum Einfügen suchen"}},
    {&EditorTexts::ReadError,
     {"Could not read %1:\r\n%2", "Kunne ikke læse %1:\r\n%2", "%1 konnte nicht gelesen werden:\r\n%2"}},
    {&EditorTexts::WriteError,
     {"Could not save %1:\r\n%2\r\nThe file on disk is unchanged.",
      "Kunne ikke gemme %1:\r\n%2\r\nFilen på disken er uændret.",
      "%1 konnte nicht gespeichert werden:\r\n%2\r\nDie Datei auf der Festplatte ist unverändert."}},
    {&EditorTexts::BinaryFile,
     {"%1 is not a text file.", "%1 er ikke en tekstfil.", "%1 ist keine Textdatei."}},
    {&EditorTexts::TooLarge,
     {"%1 is too large to open.", "%1 er for stor til at blive åbnet.", "%1 ist zu groß zum Öffnen."}},
    {&EditorTexts::Unencodable,
     {"%1 holds characters that the encoding %2 cannot store. Save it under another name as UTF-8 "
      "or remove them.",
      "%1 indeholder tegn som tegnsættet %2 ikke kan gemme. Gem den under et andet navn som UTF-8 "
      "eller fjern dem.",
      "%1 enthält Zeichen, die die Kodierung %2 nicht speichern kann. Speichern Sie es unter einem "
      "anderen Namen als UTF-8 oder entfernen Sie sie."}},
    {&EditorTexts::NoSuchFile,
     {"The file does not exist.", "Filen findes ikke.", "Die Datei existiert nicht."}},
    {&EditorTexts::IsDirectory,
     {"This is a folder, not a file.", "Det er en mappe, ikke en fil.",
      "Das ist ein Verzeichnis, keine Datei."}},
    {&EditorTexts::Unreadable,
     {"The file cannot be read.", "Filen kan ikke læses.", "Die Datei kann nicht gelesen werden."}},
    {&EditorTexts::PictureEmpty, {"The file is empty.", "Filen er tom.", "Die Datei ist leer."}},
    {&EditorTexts::NotAPicture,
     {"The file is not a GIF, JPEG or BMP picture.", "Filen er ikke et GIF-, JPEG- eller BMP-billede.",
      "Die Datei ist kein GIF-, JPEG- oder BMP-Bild."}},
    {&EditorTexts::PictureDamaged,
     {"The picture file is damaged.", "Billedfilen er beskadiget.", "Die Bilddatei ist beschädigt."}},
    {&EditorTexts::PictureIncomplete,
     {"The picture file is incomplete.", "Billedfilen er ufuldstændig.", "Die Bilddatei ist unvollständig."}},
    {&EditorTexts::PictureTooLarge,
     {"The picture is too large to show (%1 pixels).", "Billedet er for stort til at blive vist (%1 pixel).",
      "Das Bild ist zu groß zum Anzeigen (%1 Pixel)."}},
    {&EditorTexts::PictureNoMemory,
     {"There is not enough memory to show the picture.", "Der er ikke hukommelse nok til at vise billedet.",
      "Es ist nicht genug Speicher frei, um das Bild anzuzeigen."}},
    {&EditorTexts::ReloadQuestion,
     {"%1\r\nhas been changed on disk by another program.\r\nDo you want to reload it?",
      "%1\r\ner blevet ændret på disken af et andet program.\r\nVil du indlæse den igen?",
      "%1\r\nwurde von einem anderen Programm auf der Festplatte geändert.\r\nMöchten Sie die Datei neu laden?"}},
    {&EditorTexts::OverwriteQuestion,
     {"%1\r\nhas been changed on disk by another program since you opened or saved it.\r\n"
      "Save your text over it, or reload the file (Undo brings your text back)?",
      "%1\r\ner blevet ændret på disken af et andet program, siden du åbnede eller gemte den.\r\n"
      "Vil du gemme din tekst oven i den eller indlæse filen igen (Fortryd henter din tekst tilbage)?",
      "%1\r\nwurde seit dem Öffnen oder Speichern von einem anderen Programm auf der Festplatte geändert.\r\n"
      "Ihren Text darüber speichern oder die Datei neu laden (Rückgängig holt Ihren Text zurück)?"}},
    {&EditorTexts::SaveAnywayChoice, {"&Save anyway", "&Gem alligevel", "&Trotzdem speichern"}},
    {&EditorTexts::ReloadChoice, {"&Reload", "&Indlæs igen", "&Neu laden"}},
    {&EditorTexts::CancelChoice, {"Cancel", "Annuller", "Abbrechen"}},
    {&EditorTexts::FileRemoved,
     {"%1\r\nhas been deleted or moved by another program.\r\nThe text stays here; Save writes the file again.",
      "%1\r\ner blevet slettet eller flyttet af et andet program.\r\nTeksten bliver her; Gem skriver filen igen.",
      "%1\r\nwurde von einem anderen Programm gelöscht oder verschoben.\r\nDer Text bleibt hier; Speichern "
      "schreibt die Datei neu."}},
};

QString withDetail(const QString &reason, const QString &detail)
{
    return detail.isEmpty() ? reason : reason + QLatin1String("\r\n") + detail;
}

EditorTexts textsOf(int lang)
{
    EditorTexts texts;
    for (const TextRow &row : Rows)
        texts.*row.field = pick(row.text, lang);
    return texts;
}

} // namespace

EditorTexts &editorTexts()
{
    static EditorTexts texts = textsOf(English);
    return texts;
}

void applyEditorTexts(int lang)
{
    if (lang == English || lang == Danish || lang == German)
        editorTexts() = textsOf(lang);
}

QString readErrorText(const QString &path, TextFile::Error error, const QString &detail)
{
    const EditorTexts &t = editorTexts();
    switch (error) {
    case TextFile::Error::Binary:
        return t.BinaryFile.arg(path);
    case TextFile::Error::TooLarge:
        return t.TooLarge.arg(path);
    case TextFile::Error::NotFound:
        return t.ReadError.arg(path, t.NoSuchFile);
    case TextFile::Error::IsDirectory:
        return t.ReadError.arg(path, t.IsDirectory);
    default:
        return t.ReadError.arg(path, withDetail(t.Unreadable, detail));
    }
}

QString pictureErrorText(const QString &path, const PictureError &error)
{
    const EditorTexts &t = editorTexts();
    using Kind = PictureError::Kind;
    switch (error.kind) {
    case Kind::NotFound:
        return t.ReadError.arg(path, t.NoSuchFile);
    case Kind::IsDirectory:
        return t.ReadError.arg(path, t.IsDirectory);
    case Kind::Empty:
        return t.ReadError.arg(path, t.PictureEmpty);
    case Kind::NotAPicture:
        return t.ReadError.arg(path, t.NotAPicture);
    case Kind::Incomplete:
        return t.ReadError.arg(path, t.PictureIncomplete);
    case Kind::TooLarge:
        return t.ReadError.arg(path, t.PictureTooLarge.arg(error.detail));
    case Kind::OutOfMemory:
        return t.ReadError.arg(path, t.PictureNoMemory);
    case Kind::Damaged:
        return t.ReadError.arg(path, withDetail(t.PictureDamaged, error.detail));
    case Kind::Unreadable:
    case Kind::None:
        break;
    }
    return t.ReadError.arg(path, withDetail(t.Unreadable, error.detail));
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
