#pragma once

#include <QString>
#include <QStringList>

// Rules for the names typed into the frames wizard.
namespace PageNames {

// A page file name ends in ".htm" or ".html" (exactly so) after at least one
// more character.
bool isPageName(const QString &name);

// Every name is a page name and no two are equal.
bool acceptable(const QStringList &names);

// A name that stays inside the target directory: no "/" and no "..".
bool isPlainFileName(const QString &name);

// A value that can stand inside a double-quoted attribute.
bool fitsAttribute(const QString &value);

// The directory as typed, with a leading "~" and a relative path taken
// from the home directory.
QString absoluteDirectory(const QString &typed, const QString &home);

// The directory followed by the name, with one separator between them.
QString joinPath(const QString &directory, const QString &name);

} // namespace PageNames
