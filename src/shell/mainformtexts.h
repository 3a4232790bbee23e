#pragma once

#include "settings/captiontable.h"
#include "settings/messagetable.h"

#include <QString>

class QUrl;

// Menu captions and the tool bar's floating caption of the main window.
extern const CaptionTable MainCaptions;
// Captions of the help window.
extern const CaptionTable HelpCaptions;
// Hints of the tool buttons.
extern const CaptionTable MainHints;

namespace MainTexts {
// Titles of the main window's file dialogs.
extern const Message OpenDialogTitle;
extern const Message LoadSettingsTitle;
extern const Message SaveSettingsTitle;
// A settings file that could not be written: %1 the file, %2 the system's reason.
extern const Message ExportFailed;
extern const Message SettingsFilter;
// The about box: %1 the version.
extern const Message AboutText;
} // namespace MainTexts

// A Reopen entry whose file has gone: it leaves the list.
QString recentFileGoneMessage(const QString &path, int lang);
// No browser or mail program could be started for an address.
QString noProgramMessage(const QUrl &url, int lang);
