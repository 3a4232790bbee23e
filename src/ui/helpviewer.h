#pragma once

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// The program's help: HTML pages compiled into the program, one folder per
// language (en, da, de). A page missing from the Danish or German folder is
// shown from the English one. Windows and dialogs ask for help by a numeric
// help context, which names a page and an anchor on it.
namespace Help {

// Sets the help window's captions each time it opens; until one is set it
// keeps its designed English captions.
void setCaptioner(std::function<void(QWidget *window)> caption);

// The folder of the user's language; "en" until set.
void setLanguage(const QString &folder);
QString language();

// Every help context the program uses, and where each one points
// ("ftp.html#7100"); an empty string for a number that is not one of them.
QList<int> contexts();
QString topicOf(int context);

// The page in the current language, or the English one when that language
// has none; the fragment is kept. An invalid URL when neither exists.
QUrl pageUrl(const QString &pageAndAnchor);

// Opens the help window at the contents page, or at the page of a help
// context (the contents for an unknown number). Works from inside modal
// dialogs: the window stays usable while they are open.
void showContents();
void showHelp(int context);

// The help window, or nullptr while it has not been opened.
QWidget *window();

} // namespace Help
