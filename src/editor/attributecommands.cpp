#include "editor/editorcommands.h"

#include <QtGlobal>

void installAttributeCommands(Teditform &editor)
{
    Q_UNUSED(editor);
}
