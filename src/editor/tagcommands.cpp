#include "editor/editorcommands.h"

#include <QtGlobal>

void installTagCommands(Teditform &editor)
{
    Q_UNUSED(editor);
}
