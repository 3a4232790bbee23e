#include "wizards/wizardcommands.h"

#include <QtGlobal>

void FramesWizard(EditorHost &host)
{
    Q_UNUSED(host);
}
