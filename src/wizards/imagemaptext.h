#pragma once

#include <QSize>
#include <QString>

// The texts of a client-side image map: the map-name rule and the lines the
// image-map wizard inserts. Line breaks are CR LF, as in the documents.
namespace ImageMapText {

// A map name ends in ".map" (exactly so) after at least one character.
bool isMapName(const QString &name);
// "nav.map" -> "nav".
QString baseName(const QString &mapName);

// The image tag and the map start tag on two lines, with no line break after
// the start tag: the first area follows on its line.
QString head(const QString &picturePath, QSize size, const QString &base);

// One hot spot, followed by CR LF. Link and title go in as the user typed them.
QString areaLine(const QString &shape, const QString &coords, const QString &link, const QString &title);
// The area taking every click outside the hot spots, followed by CR LF.
QString defaultAreaLine(const QString &url);
// The map end as it starts, before any default area.
QString mapEnd();

// Appends a line that ends in CR LF, keeping it apart from the last line
// even when the user removed that line's break.
QString appendLine(const QString &lines, const QString &line);

} // namespace ImageMapText
