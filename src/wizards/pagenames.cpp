#include "wizards/pagenames.h"

#include <QDir>
#include <QSet>

namespace PageNames {

bool isPageName(const QString &name)
{
    return (name.endsWith(QLatin1String(".htm")) && name.size() > 4)
           || (name.endsWith(QLatin1String(".html")) && name.size() > 5);
}

bool acceptable(const QStringList &names)
{
    for (const QString &name : names) {
        if (!isPageName(name))
            return false;
    }
    return QSet<QString>(names.begin(), names.end()).size() == names.size();
}

bool isPlainFileName(const QString &name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1String(".."));
}

bool fitsAttribute(const QString &value)
{
    return !value.contains(QLatin1Char('"'));
}

QString absoluteDirectory(const QString &typed, const QString &home)
{
    if (typed == QLatin1String("~"))
        return home;
    if (typed.startsWith(QLatin1String("~/")))
        return joinPath(home, typed.mid(2));
    return QDir::isRelativePath(typed) ? joinPath(home, typed) : typed;
}

QString joinPath(const QString &directory, const QString &name)
{
    return directory.endsWith(QLatin1Char('/')) ? directory + name
                                                : directory + QLatin1Char('/') + name;
}

} // namespace PageNames
