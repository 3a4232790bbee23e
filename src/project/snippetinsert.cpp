#include "project/snippetinsert.h"

#include "editor/editform.h"
#include "editor/editorhost.h"
#include "settings/sharedtexts.h"
#include "ui/prompts.h"

void insertProjectSnippet(EditorWindows &windows, const QString &text)
{
    Teditform *editor = windows.activeEditor();
    if (!editor)
        return;
    if (editor->document().text().SelLength() > 0) {
        const Prompts::Button answer =
            Prompts::message(Prompts::Kind::Confirmation, SharedTexts::OverwriteSelection.text(),
                             Prompts::Button::Yes | Prompts::Button::Cancel);
        if (answer != Prompts::Button::Yes)
            return;
    }
    editor->document().pushUndo();
    editor->document().text().SetSelText(text);
}
