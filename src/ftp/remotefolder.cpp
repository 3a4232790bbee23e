#include "ftp/remotefolder.h"

#include "ftp/ftpfolder.h"
#include "ftp/sftpfolder.h"

std::unique_ptr<RemoteFolder> RemoteFolder::create(FtpProtocol protocol)
{
    if (protocol == FtpProtocol::Sftp)
        return std::make_unique<SftpFolder>();
    return std::make_unique<FtpFolder>();
}
