#include "wizards/wizardcommands.h"

#include <QtGlobal>

void ImageMapWizard(EditorHost &host)
{
    Q_UNUSED(host);
}
