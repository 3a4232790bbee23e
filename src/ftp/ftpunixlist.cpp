#include "ftp/ftpunixlist.h"

void TFTPUnixList::ParseLine(const QString &line)
{
    TFTPDirectoryList::ParseLine(line);
    const int count = columnCount();
    if (count <= 7)
        return;
    const auto joinedDate = [this](int first) {
        return column(first) + QLatin1Char(' ') + column(first + 1) + QLatin1Char(' ') + column(first + 2);
    };
    if (count == 8) {
        // No group column.
        append(column(0), column(7), joinedDate(4), column(3));
        return;
    }
    // The name is the whole rest of the line, so a name with spaces stays whole; a link shows
    // its own name, not its target.
    QString name = line.mid(columnStart(8));
    const int arrow = name.indexOf(QLatin1String(" -> "));
    if (column(0).startsWith(QLatin1Char('l')) && arrow > 0)
        name.truncate(arrow);
    append(column(0), name, joinedDate(5), column(4));
}
