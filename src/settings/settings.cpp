#include "settings/settings.h"

#include <QDir>

Settings::Settings()
    : OpenDir(QDir::homePath())
    , SaveDir(QDir::homePath())
    , TextDir(QDir::homePath())
{
}

Settings &settings()
{
    static Settings record;
    return record;
}
