#include "ftp/ftpdirectorylist.h"

void TFTPDirectoryList::ParseLine(const QString &line)
{
    m_columns.clear();
    m_starts.clear();
    int start = 0;
    for (;;) {
        int end = start;
        while (end < line.size() && line.at(end) != QLatin1Char(' '))
            ++end;
        m_columns.append(line.mid(start, qMin(end - start, MaxColumnLength)));
        m_starts.append(start);
        if (end == line.size() || m_columns.size() == MaxColumns)
            break;
        start = end;
        while (start < line.size() && line.at(start) == QLatin1Char(' '))
            ++start;
    }
}

void TFTPDirectoryList::clear()
{
    m_attributes.clear();
    m_names.clear();
    m_dates.clear();
    m_sizes.clear();
}

void TFTPDirectoryList::append(const QString &attributes, const QString &name, const QString &date,
                               const QString &size)
{
    m_attributes.append(attributes);
    m_names.append(name);
    m_dates.append(date);
    m_sizes.append(size);
}
