#include "wizards/wizardcommands.h"

#include "editor/editform.h"
#include "editor/editorhost.h"
#include "editor/editortexts.h"
#include "imaging/picture.h"
#include "settings/settings.h"
#include "settings/sharedtexts.h"
#include "ui/prompts.h"
#include "wizards/getmapname.h"
#include "wizards/imapform.h"

namespace {

// The main window's picture dialog.
Prompts::FileDialog pictureDialog()
{
    Prompts::FileDialog dialog;
    dialog.title = SharedTexts::PictureDialogTitle.text();
    dialog.directory = settings().OpenDir;
    dialog.filter = SharedTexts::PictureFilter.text();
    dialog.helpContext = 3006;
    return dialog;
}

} // namespace

void ImageMapWizard(EditorWindows &windows)
{
    Teditform *editor = windows.activeEditor();
    if (windows.EditorCount() == 0 || !editor)
        return;
    QWidget *window = editor->window();

    Tgetmapname names(window);
    if (Prompts::runDialog(names) != QDialog::Accepted)
        return;
    const Prompts::FileResult chosen = Prompts::openFile(pictureDialog());
    if (!chosen.accepted())
        return;
    PictureError error;
    const QImage picture = loadPicture(chosen.path(), &error);
    if (picture.isNull()) {
        Prompts::message(Prompts::Kind::Error, pictureErrorText(chosen.path(), error));
        return;
    }

    Timapform map(picture, chosen.path(), names.mapName(), window);
    if (Prompts::runDialog(map) != QDialog::Accepted)
        return;
    // Undoable, like every other insertion: the map may be long.
    editor->document().pushUndo();
    editor->document().text().SetSelText(map.mapText());
}
