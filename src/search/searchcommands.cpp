#include "search/searchcommands.h"

#include <QtGlobal>

void Search(EditorHost &host)
{
    Q_UNUSED(host);
}

void Replace(EditorHost &host)
{
    Q_UNUSED(host);
}
