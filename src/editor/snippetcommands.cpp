#include "editor/editorcommands.h"

#include <QtGlobal>

void installSnippetCommands(Teditform &editor)
{
    Q_UNUSED(editor);
}
