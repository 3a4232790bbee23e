#pragma once

#include <QString>

// How the FTP window shows a folder listing and which downloaded files it opens.
namespace FtpListing {

enum Icon {
    TextIcon = 0,
    StyleIcon = 1,
    SoundIcon = 2,
    ScriptIcon = 3,
    PageIcon = 4,
    OtherIcon = 5,
    PictureIcon = 6,
    MovieIcon = 7,
    FolderIcon = 8,
    ParentIcon = 9,
};
constexpr int IconCount = 10;

// The row that leads to the parent folder.
inline const char *const ParentEntry = "../";

// A name with a dot is listed as a file; any other name as a folder.
bool isFile(const QString &name);
// The icon of a file by its extension; case counts.
Icon iconOf(const QString &fileName);
// "900 bytes" up to 1024 bytes, above that whole kilobytes: "2 Kb"; in the language given.
QString sizeText(qint64 size, int lang);
QString summaryText(int files, qint64 totalSize, int lang);
// "4168 / 20480" during a transfer; the count alone while the size is not known (0).
QString progressText(qint64 done, qint64 size);
// A listed name that can be used as a file name inside a local folder.
bool isSafeLocalName(const QString &name);
// Pages and text files, which a download opens in editor windows.
bool opensInEditor(const QString &path);

} // namespace FtpListing
