#pragma once

#include "ftp/nmftp.h"
#include "settings/captiontable.h"
#include "settings/messagetable.h"

// Captions of the FTP window's buttons.
extern const CaptionTable TftpformCaptions;

// Texts of the FTP window that are not button captions.
namespace FtpTexts {

extern const Message OpenTitle;
extern const Message OpenFilter;
extern const Message FileNameColumn;
extern const Message SizeColumn;
extern const Message LastModifiedColumn;
extern const Message FolderColumn;
extern const Message ModifiedColumn;
extern const Message OverwriteSuffix; // follows the file's path
extern const Message DeleteConfirmation;
extern const Message ConnectionFailed;
extern const Message UnsafeName;       // %1: the name from the listing
extern const Message TrustCertificate; // %1: the host, %2: the certificate's details
extern const Message UploadBrokenOff;  // %1: the file's name
extern const Message NotDeleted;       // followed by the names and the server's replies
extern const Message ListingCut;       // %1: the number of entries listed

// The failure box's text for an operation.
QString failureText(TCmdType type, int lang);

} // namespace FtpTexts
