#include "wizards/frameswizardtexts.h"

#include "settings/messagetable.h"
#include "settings/settings.h"

namespace FramesWizardTexts {

int language()
{
    const int lang = settings().Lang;
    return lang == Danish || lang == German ? lang : English;
}

const MessageTable Table{"frames wizard"};

const Message Next{Table, {"&Next", "&Næste", "&Weiter"}};

const Message NotPlainFileName{
    Table,
    {"%1\r\nA file name may not contain \"/\" or \"..\": the pages are saved in the directory you "
     "choose next.",
     "%1\r\nEt filnavn må ikke indeholde \"/\" eller \"..\": siderne gemmes i den folder du vælger "
     "bagefter.",
     "%1\r\nEin Dateiname darf weder \"/\" noch \"..\" enthalten: die Seiten werden im Verzeichnis "
     "gespeichert, das Sie danach wählen."}};
const Message QuoteInFrameName{Table,
                               {"%1\r\nA frame name may not contain a double quote (\").",
                                "%1\r\nEt frame-navn må ikke indeholde anførselstegn (\").",
                                "%1\r\nEin Frame-Name darf keine Anführungszeichen (\") enthalten."}};
const Message QuoteInSize{Table,
                          {"%1\r\nA size may not contain a double quote (\").",
                           "%1\r\nEn størrelse må ikke indeholde anførselstegn (\").",
                           "%1\r\nEine Größe darf keine Anführungszeichen (\") enthalten."}};

const Message DirectoryNotCreated{
    Table,
    {"The directory %1 could not be created.\r\nCheck the path and your permission to write there.",
     "Folderen %1 kunne ikke oprettes.\r\nKontroller stien og at du må skrive der.",
     "Das Verzeichnis %1 konnte nicht erstellt werden.\r\nPrüfen Sie den Pfad und Ihre Schreibrechte."}};
const Message DirectoryNotWritable{
    Table,
    {"The pages cannot be saved in %1:\r\nyou may not write in that directory.",
     "Siderne kan ikke gemmes i %1:\r\ndu må ikke skrive i den folder.",
     "Die Seiten können nicht in %1 gespeichert werden:\r\nSie haben keine Schreibrechte für dieses "
     "Verzeichnis."}};

} // namespace FramesWizardTexts
