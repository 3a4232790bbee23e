#include "wizards/imagemaptext.h"

#include <QFileInfo>

namespace ImageMapText {

namespace {
const QLatin1String MapSuffix(".map");
const QLatin1String LineBreak("\r\n");
} // namespace

bool isMapName(const QString &name)
{
    return name.size() > MapSuffix.size() && name.endsWith(MapSuffix, Qt::CaseSensitive);
}

QString baseName(const QString &mapName)
{
    return mapName.chopped(MapSuffix.size());
}

QString head(const QString &picturePath, QSize size, const QString &base)
{
    // One arg() call substitutes in a single pass, so a '%' in a file name stays as it is.
    return QStringLiteral("<img src=\"%1\" height=\"%2\" width=\"%3\" ismap usemap=\"#%4areas\" border=\"0\">"
                          "\r\n<map name=\"%4areas\">")
        .arg(QFileInfo(picturePath).fileName(), QString::number(size.height()), QString::number(size.width()),
             base);
}

QString areaLine(const QString &shape, const QString &coords, const QString &link, const QString &title)
{
    return QStringLiteral("<area shape=\"") + shape + QStringLiteral("\" coords=\"") + coords
           + QStringLiteral("\" href=\"") + link + QStringLiteral("\" alt=\"") + title + QStringLiteral("\">")
           + LineBreak;
}

QString defaultAreaLine(const QString &url)
{
    return QStringLiteral("<area shape=\"default\" href=\"") + url + QStringLiteral("\">") + LineBreak;
}

QString mapEnd()
{
    return QStringLiteral("</map>");
}

QString appendLine(const QString &lines, const QString &line)
{
    if (lines.isEmpty() || lines.endsWith(LineBreak))
        return lines + line;
    return lines + LineBreak + line;
}

} // namespace ImageMapText
