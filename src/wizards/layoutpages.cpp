#include "wizards/layoutpages.h"

namespace {

// Size pages.

const CaptionTable Layout1SizeCaptions{"frames wizard, layout 1, size page", {
    {"RadioButton1", {"Percentage", "Procent sats", "Prozent"}},
    {"Label1", {"Width of left frame in %", "Venstre frames bredde i %", "Breite des linken Frame in %"}},
    {"RadioButton2", {"Pixels", "Punkter", "Punkte"}},
    {"Label2", {"Width of left frame in px", "Venstre frames bredde i pt", "Breite des linken Frame in pt"}},
    {"Label3",
     {"Set the width of the left frame. The percentage is in relation to the width of the screen",
      "Sæt venstre frames bredde. Procent satsen er i relation til skærbredden",
      "Setzen Sie die breite des linken Frame. Prozent ist in relation zur Monitorbreite"}},
}};

const CaptionTable Layout2SizeChanges{"frames wizard, layout 2, size page changes", {
    {"Label1", {"Height of upper frame in %", "Øvre frames højde i %", "Höhe von der oberen Frame in %"}},
    {"Label2", {"Height of upper frame in px", "Øvre frames højde i pt", "Höhe von der oberen Frame in pt"}},
    {"Label3",
     {"Set the height of the upper frame. The percentage is in relation to the height of the screen",
      "Sæt den øvre frames højde. Procent satsen er i relation til skærmhøjden",
      "Setzen Sie die Höhe des oberen Frame. Prozent ist in relation zur Monitorhöhe"}},
}};

const CaptionTable Layout3SizeCaptions{"frames wizard, layout 3, size page", {
    {"RadioButton1", {"Percentage", "Procentsats", "Prozent"}},
    {"Label1", {"Height of upper frame in %", "Øvre frames højde i %", "Höhe des oberen Frame in %"}},
    {"RadioButton2", {"Pixels", "Punkter", "Punkte"}},
    {"Label2", {"Height of upper frame in px", "Øvre frames højde i pt", "Höhe des oberen Frame in pt"}},
    {"RadioButton3", {"Percentage", "Procent sats", "Prozent"}},
    {"Label3", {"Width of left frame in %", "Venstre frames bredde i %", "Breite des linken Frame in %"}},
    {"RadioButton4", {"Pixels", "Punkter", "Punkte"}},
    {"Label4", {"Width of left frame in px", "Venstre frames bredde i pt", "Breite des linken Frame in pt"}},
}};

// Layout 4 names its controls differently, so it has a table of its own.
const CaptionTable Layout4SizeCaptions{"frames wizard, layout 4, size page", {
    {"RadioButton1", {"Percentage", "Procent sats", "Prozent"}},
    {"RadioButton3", {"Percentage", "Procent sats", "Prozent"}},
    {"RadioButton2", {"Pixels", "Punkter", "Punkte"}},
    {"RadioButton5", {"Pixels", "Punkter", "Punkte"}},
    {"Label1", {"Height of upper frame in %", "Øverste frames højde i %", "Höhe der oberen Frame in %"}},
    {"Label2", {"Height of upper frame in px", "Øverste frames højde i pt", "Höhe der oberen Frame in pt"}},
    {"Label5", {"Width of left frame in %", "Venstre frames bredde i %", "Breite der linken Frame in %"}},
    {"Label6", {"Width of left frame in px", "Venstre frames bredde i px", "Breite der linken Frame in pt"}},
}};

const SizeControlNames SingleSize = {"RadioButton1", "RadioButton2", "Label1", "Label2", "UpDown1", "Label4",
                                     "Edit1"};

const SizePageConfig Layout1Size = {
    "Tlayout1form", 1, {{SingleSize, true}}, "Label3", 50, {"BitBtn1", "BitBtn2", "BitBtn3"},
    &Layout1SizeCaptions};

const SizePageConfig Layout2Size = {
    "Tlayout2form", 2,  {{SingleSize, true}}, "Label3", 50, {"BitBtn1", "BitBtn3", "BitBtn2"},
    &Layout1SizeCaptions, &Layout2SizeChanges};

const SizePageConfig Layout3Size = {
    "Tlayout3form",
    3,
    {{{"RadioButton1", "RadioButton2", "Label1", "Label2", "UpDown1", "Label5", "Edit1"}, true},
     {{"RadioButton3", "RadioButton4", "Label3", "Label4", "UpDown2", "Label6", "Edit2"}, false}},
    nullptr,
    20,
    {"BitBtn1", "BitBtn3", "BitBtn2"},
    &Layout3SizeCaptions};

const SizePageConfig Layout4Size = {
    "Tlayout4form",
    4,
    {{{"RadioButton1", "RadioButton2", "Label1", "Label2", "UpDown1", "Label3", "Edit1"}, false},
     {{"RadioButton3", "RadioButton5", "Label5", "Label6", "UpDown2", "Label4", "Edit2"}, true}},
    nullptr,
    20,
    {"BitBtn1", "BitBtn3", "BitBtn2"},
    &Layout4SizeCaptions};

// Names pages.

const CaptionTable Layout1NamesCaptions{"frames wizard, layout 1, names page", {
    {"Label1",
     {"Enter the \"name\" you want the frames to have", "Indtast de \"navne\" frames'ene skal have",
      "Die \"Namen\" der Frames eintragen"}},
    {"Label2", {"Left", "Venstre", "Links"}},
    {"Label3", {"Right", "Højre", "Rechts"}},
    {"Label7",
     {"Remember to enter the filename for each frame, even if the file already exists",
      "Husk at indtaste filnavne for hver frmae, selv hvis filen allerede eksiterer",
      "Tragen Sie ein Dateiname fur jeder Frame ein, auch wenn das Datei schon existiert"}},
    {"RB1", {"Existing file", "Eksisterende fil", "Vorhandene Datei"}},
    {"RadioButton2", {"New file", "Ny fil", "Neues Datei"}},
    {"Label5", {"filename, left frame", "filnavn, venstre frame", "Dateiname, linke Frame"}},
    {"RB3", {"Existing file", "Ekstisterende fil", "Vorhandene Datei"}},
    {"RadioButton4", {"New file", "Ny fil", "Neues Datei"}},
    {"Label6", {"filename, right frame", "filnavn, højre frame", "Dateiname, rechte Frame"}},
    {"Label4",
     {"Enter the filename for the framespage", "Indtast filnavnet for frames-siden",
      "Dateiname für die Framesseite eintragen"}},
}};

const CaptionTable Layout2NamesChanges{"frames wizard, layout 2, names page changes", {
    {"Label1",
     {"Enter the \"name\" you want the frames to have", "Indtaste de \"naven\" frames'ene skal have",
      "Die \"Namen\" der Frames eintragen "}},
    {"Label2", {"Upper", "Øvre", "Obere"}},
    {"Label3", {"Lower", "Nedre", "Untere"}},
    {"Label7",
     {"Remember to enter the filename for each frame, even if the file already exists",
      "Husk at indtaste filnavne for hver frame, selv hvis filen allerede eksiterer",
      "Tragen Sie ein Dateiname fur jeder Frame ein, auch wenn das Datei schon existiert"}},
    {"Label5", {"filename, upper frame", "filnavn, øvre frame", "Dateiname, obere Frame"}},
    {"Label6", {"filename, lower frame", "filnavn, nedre frame", "Dateiname, untere Frame"}},
    {"RB3", {"Existing file", "Eksisterende fil", "Vorhandene Datei"}},
    {"Label4",
     {"Enter the filename for the framespage", "Indtast filnavn for frames-siden",
      "Dateiname für die Framesseite eintragen"}},
}};

const CaptionTable Layout3NamesCaptions{"frames wizard, layout 3, names page", {
    {"Label1",
     {"Enter the \"names\" you want the frames to have", "Indtast de \"navne\" frames'ene skal have",
      "Die \"Namen\" der Frames eintragen"}},
    {"Label2", {"Upper frame", "Øvre frame", "Obere Frame"}},
    {"Label3", {"Left frame", "Venstre frame", "Linker Frame"}},
    {"Label4", {"Right frame", "Højre frame", "Rechter Frame"}},
    {"Label9",
     {"Remember to enter the filename for each frame, even if the file already exists",
      "Husk at indtaste filnavne for hver frame, selv hvis filen allerede eksisterer",
      "Tragen Sie ein Dateiname fur jeder Frame ein, auch wenn das Datei schon existiert"}},
    {"RB1", {"Existing file", "Eksisterende fil", "Vorhandene Datei"}},
    {"RadioButton1", {"Existing file", "Eksisterende fil", "Vorhandene Datei"}},
    {"RadioButton4", {"Existing file", "Eksisterende fil", "Vorhandene Datei"}},
    {"RadioButton2", {"New file", "Ny fil", "Neues Datei"}},
    {"RadioButton3", {"New file", "Ny fil", "Neues Datei"}},
    {"RadioButton5", {"New file", "Ny fil", "Neues Datei"}},
    {"Label5", {"Filename, upper frame", "Filnavn, øvre frame", "Dateiname, obere Frame"}},
    {"Label6", {"Filename, left frame", "Filnavn, venstre frame", "Dateiname, linke Frame"}},
    {"Label7", {"Filename, right frame", "Filnavn, højre frame", "Dateiname, rechte Frame"}},
    {"Label8",
     {"Enter the filename for the framespage", "Indtast filnavnet for frames-siden",
      "Dateiname für die Framesseite eintragen"}},
}};

const CaptionTable Layout4NamesChanges{"frames wizard, layout 4, names page changes", {
    {"Label2", {"Left frame", "Venstre frame", "Linke Frame"}},
    {"Label3", {"Upper frame", "Øvre frame", "Obere Frame"}},
    {"Label4", {"Lower frame", "Nedre frame", "Untere Frame"}},
    {"Label9",
     {"Remember to enter the filename for each frame, even if the file already exists",
      "Husk at indtaste et filnavn for hver frame, selv hvis filen allerede eksisterer",
      "Tragen Sie ein Dateiname fur jeder Frame ein, auch wenn das Datei schon existiert"}},
    {"RB1", {"Existing file", "Existerende fil", "Vorhandene Datei"}},
    {"Label5", {"Filename, left frame", "Filnavn, venstre frame", "Dateiname, linke Frame"}},
    {"Label6", {"Filename, upper frame", "Filnavn, øvre frame", "Dateiname, obere Frame"}},
    {"Label7", {"Filename, lower frame", "Filnavn, nedre frame", "Dateiname, untere Frame"}},
}};

QList<NamesPageConfig::Frame> twoFrameNames(const char *first, const char *second)
{
    return {{"Edit1", first, "Label2", "Edit3", "Label5", "RB1", "RadioButton2"},
            {"Edit2", second, "Label3", "Edit4", "Label6", "RB3", "RadioButton4"}};
}

QList<NamesPageConfig::Frame> threeFrameNames(const char *first, const char *second, const char *third)
{
    return {{"Edit1", first, "Label2", "Edit4", "Label5", "RB1", "RadioButton2"},
            {"Edit2", second, "Label3", "Edit5", "Label6", "RadioButton1", "RadioButton3"},
            {"Edit3", third, "Label4", "Edit6", "Label7", "RadioButton4", "RadioButton5"}};
}

const NamesPageConfig Layout1Names = {"Tlayout11form", twoFrameNames("leftframe", "rightframe"),
                                      "Edit5", "Label4", "Label1", "Label7", &Layout1NamesCaptions};

const NamesPageConfig Layout2Names = {"Tlayout22form", twoFrameNames("topframe", "bottomframe"),
                                      "Edit5", "Label4", "Label1", "Label7", &Layout1NamesCaptions,
                                      &Layout2NamesChanges};

const NamesPageConfig Layout3Names = {"Tlayout33form", threeFrameNames("topframe", "leftframe", "rightframe"),
                                      "Edit7", "Label8", "Label1", "Label9", &Layout3NamesCaptions};

const NamesPageConfig Layout4Names = {"Tlayout44form", threeFrameNames("leftframe", "topframe", "bottomframe"),
                                      "Edit7", "Label8", "Label1", "Label9", &Layout3NamesCaptions,
                                      &Layout4NamesChanges};

// Options pages.

const CaptionTable Layout1OptionsCaptions{"frames wizard, layout 1, options page", {
    {"Label1", {"Do you want borders on the frames ?", "Vil du have kanter på frames'ene ?", "Möchten Sie Rahmen auf frames ?"}},
    {"rb1", {"Yes", "Ja", "Ja"}},
    {"RadioButton2", {"No", "Nej", "Nein"}},
    {"Label2",
     {"When do you want scroll bars on the frames ?", "Hvornår skal frames'ene have rulle lister ?",
      "Wann möchten Sie Roll-leisten auf den Frames haben ?"}},
    {"Label9",
     {"Do you want margins in the frames ?", "Vil du have marginer i frames'ene ?",
      "Möchten Sie abstand in den Frames haben ? ?"}},
    {"Label6", {"Left frame", "Venstre frame", "Linker Frame"}},
    {"Label8", {"Left frame", "Venstre frame", "Linker Frame"}},
    {"Label7", {"Right frame", "Højre frame", "Rechter Frame"}},
    {"Label11", {"Right frame", "Højre frame", "Rechter Frame"}},
    {"Label3", {"Never", "Aldrig", "Nie"}},
    {"Label4", {"When needed", "Når nødvendig", "Wenn notwendig"}},
    {"Label5", {"Always", "Altid", "Immer"}},
    {"Label10", {"Horizontal", "Horisontal", "Horizontal"}},
    {"Label12", {"Vertical", "Vertical", "Vertical"}},
    {"Label13",
     {"Check this box if you don't want the frame/s to be resizable",
      "Check her hvis du vil have frames'ene i \"fast\" størrelse",
      "Aktivieren wenn Sie die Frames als \"fest\" haben wollen "}},
}};

const CaptionTable Layout2OptionsChanges{"frames wizard, layout 2, options page changes", {
    {"Label1", {"Do you want borders on the frames ?", "Vil du haver kanter på frames'ene ?", "Möchten Sie Rahmen auf frames ?"}},
    {"Label2",
     {"When do you want scroll bars on the frames ?", "Hornår skal frames'ene have rulle lister ?",
      "Wann möchten Sie Roll-leisten auf den Frames haben ?"}},
    {"Label6", {"Upper frame", "Øvre frame", "Obere Frame"}},
    {"Label8", {"Upper frame", "Øvre frame", "Obere Frame"}},
    {"Label7", {"Lower frame", "Nedre frame", "Untere Frame"}},
    {"Label11", {"Lower frame", "Nedre frame", "Untere Frame"}},
    {"Label13",
     {"Check this box if you don't want the frame/s resizable",
      "Check her hvis du vil have frames'ene i \"fast\" størrelse",
      "Aktivieren wenn Sie die Frames als \"fest\" haben wollen "}},
}};

const CaptionTable Layout3OptionsCaptions{"frames wizard, layout 3, options page", {
    {"Label1",
     {"Do you want borders on the upper frame ?", "Vil du have kanter på den øvre frame ?",
      "Möchten Sie Rahmen auf der Oberen Frame ?"}},
    {"rb1", {"Yes", "Ja", "Ja"}},
    {"RadioButton1", {"Yes", "Ja", "Ja"}},
    {"RadioButton2", {"No", "Nej", "Nein"}},
    {"RadioButton3", {"No", "Nej", "Nein"}},
    {"Label2",
     {"Do you want borders on the 2 lower frames ?", "Vul du have kanter på de 2 andre frames ?",
      "Möchten Sie Rahmen auf die 2 Unteren Frames ?"}},
    {"Label3",
     {"When do you want scroll bar s on the frames ?", "Hvornår skal frames'ene have rulle lister ?",
      "Wann möchten Sie Roll-leisten auf den Frames haben ?"}},
    {"Label10",
     {"Do you want margins in the frames ?", "Vil du have marginer i frames'ene ?",
      "Möchten Sie abstand in den Frames haben ? ?"}},
    {"Label8", {"Top", "Top", "Top"}},
    {"Label15", {"Top", "Top", "Top"}},
    {"Label7", {"Left", "Venstre", "Links"}},
    {"Label14", {"Left", "Venstre", "Links"}},
    {"Label9", {"Right", "Højre", "Rechts"}},
    {"Label13", {"Right", "Højre", "Rechts"}},
    {"Label4", {"Never", "Aldrig", "Nie"}},
    {"Label5", {"When needed", "Når nødvendig", "Wenn notwendig"}},
    {"Label6", {"Always", "Altid", "Immer"}},
    {"Label11", {"Horizontal", "Horisontal", "Horizontal"}},
    {"Label12", {"Vertical", "Vertical", "Vertical"}},
    {"Label16",
     {"Check this box if you don't want the frame/s to be resizable",
      "Check her hvis du val frames'ene i \"fast\" størrelse",
      "Aktivieren wenn Sie die Frames als \"fest\" haben wollen "}},
}};

const CaptionTable Layout4OptionsChanges{"frames wizard, layout 4, options page changes", {
    {"Label1",
     {"Do you want borders on the left frame ?", "Vil du have kanter på venstre frame ?",
      "Möchten Sie Rahmen auf der linke Frame haben ?"}},
    {"Label2",
     {"Do you want borders on the 2 other frames ?", "Vil du have kanter på de 2 andre frames ?",
      "Möchten Sie Rahmen auf die 2 anderen Frames ?"}},
    {"Label3",
     {"When do you want scroll bars on the frames ?", "Hvornår skal frames'ene have rulle lister ?",
      "Wann möchten Sie Roll-leisten auf den Frames haben ?"}},
    {"Label8", {"Left", "Venstre", "Links"}},
    {"Label15", {"Left", "Venstre", "Links"}},
    {"Label7", {"Upper", "Øvre", "Obere"}},
    {"Label14", {"Upper", "Øvre", "Obere"}},
    {"Label9", {"Lower", "Nedre", "Untere"}},
    {"Label13", {"Lower", "Nedre", "Untere"}},
    {"Label16",
     {"Check this box if you don't want the frame/s to be resizable",
      "Check her hvis du vil have frames'ene i \"fast\" størrelse",
      "Aktivieren wenn Sie die Frames als \"fest\" haben wollen "}},
}};

using Scroll = OptionsPageConfig::Scrolling;

OptionsPageConfig twoFrameOptions(const char *name, Scroll first, Scroll second, const CaptionTable *changes)
{
    return {name,
            {{"Label1", "rb1", "RadioButton2"}},
            {{{"RadioButton1", "RadioButton3", "RadioButton4"}, first, "CheckBox1", "CheckBox2", "CheckBox5",
              false, "Label6", "Label8"},
             {{"RadioButton5", "RadioButton6", "RadioButton7"}, second, "CheckBox3", "CheckBox4", "CheckBox6",
              false, "Label7", "Label11"}},
            "Label2",
            {"Label3", "Label4", "Label5"},
            "Label9",
            {"Label10", "Label12"},
            "Label13",
            true,
            &Layout1OptionsCaptions,
            changes};
}

OptionsPageConfig threeFrameOptions(const char *name, const CaptionTable *changes)
{
    return {name,
            {{"Label1", "rb1", "RadioButton2"}, {"Label2", "RadioButton1", "RadioButton3"}},
            {{{"RadioButton4", "RadioButton5", "RadioButton6"}, Scroll::Never, "CheckBox1", "CheckBox4",
              "CheckBox7", true, "Label8", "Label15"},
             {{"RadioButton7", "RadioButton8", "RadioButton9"}, Scroll::WhenNeeded, "CheckBox2", "CheckBox5",
              "CheckBox8", true, "Label7", "Label14"},
             {{"RadioButton10", "RadioButton11", "RadioButton12"}, Scroll::WhenNeeded, "CheckBox3",
              "CheckBox6", "CheckBox9", true, "Label9", "Label13"}},
            "Label3",
            {"Label4", "Label5", "Label6"},
            "Label10",
            {"Label11", "Label12"},
            "Label16",
            false,
            &Layout3OptionsCaptions,
            changes};
}

const OptionsPageConfig Layout1Options =
    twoFrameOptions("Tlayout111form", Scroll::WhenNeeded, Scroll::Always, nullptr);
const OptionsPageConfig Layout2Options =
    twoFrameOptions("Tlayout222form", Scroll::Never, Scroll::WhenNeeded, &Layout2OptionsChanges);
const OptionsPageConfig Layout3Options = threeFrameOptions("Tlayout333form", nullptr);
const OptionsPageConfig Layout4Options = threeFrameOptions("Tlayout444form", &Layout4OptionsChanges);

} // namespace

Tlayout1form::Tlayout1form(QWidget *parent) : SizePage(Layout1Size, parent) {}
Tlayout11form::Tlayout11form(QWidget *parent) : NamesPage(Layout1Names, parent) {}
Tlayout111form::Tlayout111form(QWidget *parent) : OptionsPage(Layout1Options, parent) {}
Tlayout2form::Tlayout2form(QWidget *parent) : SizePage(Layout2Size, parent) {}
Tlayout22form::Tlayout22form(QWidget *parent) : NamesPage(Layout2Names, parent) {}
Tlayout222form::Tlayout222form(QWidget *parent) : OptionsPage(Layout2Options, parent) {}
Tlayout3form::Tlayout3form(QWidget *parent) : SizePage(Layout3Size, parent) {}
Tlayout33form::Tlayout33form(QWidget *parent) : NamesPage(Layout3Names, parent) {}
Tlayout333form::Tlayout333form(QWidget *parent) : OptionsPage(Layout3Options, parent) {}
Tlayout4form::Tlayout4form(QWidget *parent) : SizePage(Layout4Size, parent) {}
Tlayout44form::Tlayout44form(QWidget *parent) : NamesPage(Layout4Names, parent) {}
Tlayout444form::Tlayout444form(QWidget *parent) : OptionsPage(Layout4Options, parent) {}

std::unique_ptr<SizePage> createSizePage(int layout, QWidget *parent)
{
    switch (layout) {
    case 1: return std::make_unique<Tlayout1form>(parent);
    case 2: return std::make_unique<Tlayout2form>(parent);
    case 3: return std::make_unique<Tlayout3form>(parent);
    case 4: return std::make_unique<Tlayout4form>(parent);
    default: return nullptr;
    }
}

std::unique_ptr<NamesPage> createNamesPage(int layout, QWidget *parent)
{
    switch (layout) {
    case 1: return std::make_unique<Tlayout11form>(parent);
    case 2: return std::make_unique<Tlayout22form>(parent);
    case 3: return std::make_unique<Tlayout33form>(parent);
    case 4: return std::make_unique<Tlayout44form>(parent);
    default: return nullptr;
    }
}

std::unique_ptr<OptionsPage> createOptionsPage(int layout, QWidget *parent)
{
    switch (layout) {
    case 1: return std::make_unique<Tlayout111form>(parent);
    case 2: return std::make_unique<Tlayout222form>(parent);
    case 3: return std::make_unique<Tlayout333form>(parent);
    case 4: return std::make_unique<Tlayout444form>(parent);
    default: return nullptr;
    }
}
