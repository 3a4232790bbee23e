#pragma once

#include <QStringList>

// The documents opened or saved most recently, newest first, kept in the
// configuration store as they change.
namespace RecentFiles {

constexpr int Count = 10;

QStringList load();
void save(const QStringList &files);
// `files` with `path` in front, once, and no more than Count entries.
QStringList add(QStringList files, const QString &path);

} // namespace RecentFiles
