#include "editor/editorcommands.h"

#include <QtGlobal>

void installTextOperations(Teditform &editor)
{
    Q_UNUSED(editor);
}
