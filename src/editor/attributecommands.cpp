#include "editor/editorcommands.h"

#include "colormemo/colormemo.h"
#include "colormemo/documenttext.h"
#include "editor/editform.h"
#include "editor/menubuilder.h"
#include "editor/tagtext.h"
#include "ui/prompts.h"

#include <QMenu>

namespace {

void insertColor(Teditform &editor)
{
    DocumentText &text = editor.document().text();
    if (text.SelLength() != 0)
        return;
    const std::optional<QColor> chosen = Prompts::color(Qt::black);
    if (!chosen)
        return;
    editor.document().pushUndo();
    text.SetSelText(colorCode(chosen->red(), chosen->green(), chosen->blue()));
    editor.memo()->setFocus();
}

} // namespace

void installAttributeCommands(Teditform &editor)
{
    addMenuItem(editor.menus().misc,
                {"Getcolor1", "Get &color", "Ctrl+Shift+C", [&editor] { insertColor(editor); }});
}
