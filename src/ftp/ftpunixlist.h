#pragma once

#include "ftp/ftpdirectorylist.h"

// Reads Unix listing lines: attributes, links, owner, group, size, month, day, time or year,
// name. Lines of seven columns or fewer ("total 24") carry no entry.
class TFTPUnixList : public TFTPDirectoryList
{
public:
    void ParseLine(const QString &line) override;
};
