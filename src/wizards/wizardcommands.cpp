#include "wizards/wizardcommands.h"

#include <QtGlobal>

void FramesWizard(EditorHost &host)
{
    Q_UNUSED(host);
}

void ImageMapWizard(EditorHost &host)
{
    Q_UNUSED(host);
}
