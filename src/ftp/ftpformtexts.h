#pragma once

#include "ftp/nmftp.h"
#include "settings/captiontable.h"

#include <QStringList>

// Captions of the FTP window's buttons.
extern const CaptionTable TftpformCaptions;

// Texts of the FTP window that are not button captions, in one language.
struct FtpFormTexts
{
    QString openTitle;
    QString openFilter;
    QStringList fileColumns;
    QStringList folderColumns;
    QString overwriteSuffix; // follows the file's path
    QString deleteConfirmation;
    QString connectionFailed;
    QString unsafeName; // %1: the name from the listing
    QString trustCertificate; // %1: the host, %2: the certificate's details
    QString uploadBrokenOff;  // %1: the file's name
    QString notDeleted;       // followed by the names and the server's replies
    QString listingCut;       // %1: the number of entries listed
};

FtpFormTexts ftpFormTexts(int lang);

// The failure box's text for an operation.
QString failureText(TCmdType type, int lang);
