#include "editor/editorcommands.h"

#include <QtGlobal>

void installDefinedTagCommands(Teditform &editor)
{
    Q_UNUSED(editor);
}
