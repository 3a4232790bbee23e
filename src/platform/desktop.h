#pragma once

#include <QStringList>
#include <QUrl>

#include <functional>

class QMimeData;

// What the desktop hands to the program and takes from it: files dropped on
// a window, and web or mail addresses opened in the user's own programs.
namespace Desktop {

// The local files among dropped data, in the order given; empty when the
// data holds none (plain text, web addresses).
QStringList droppedFiles(const QMimeData *data);

// Opens an address with the desktop's default program; false when none
// could be started.
bool openUrl(const QUrl &url);

// Replaces what openUrl does (tests); an empty function restores the desktop.
using Opener = std::function<bool(const QUrl &)>;
void setOpener(Opener opener);

} // namespace Desktop
