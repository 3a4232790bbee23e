#pragma once

#include <QIcon>

// An icon of the program's own set (resources/icons/<name>.svg), drawn at
// whatever size is asked for. Disabled, it is grey and faint, so a command
// that cannot run now looks it whatever its colours.
QIcon toolIcon(const QString &name);
