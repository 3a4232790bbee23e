#pragma once

#include <QString>

// The toolkit's own texts (standard buttons, the file, folder, print and
// colour dialogs, the context menus of text fields, key names in menus) in the
// program's language, from Qt's translations installed on the system.
namespace ToolkitLanguage {

// "da" or "de" loads that language; any other folder ("en") goes back to the
// toolkit's English. Returns false when the translations are not installed;
// the toolkit then stays English.
bool set(const QString &folder);

// The folder set last, "en" until then.
QString current();

} // namespace ToolkitLanguage
