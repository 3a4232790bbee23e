#pragma once

#include <QString>
#include <QStringList>

// The entries of a folder listing; entry k of the four lists belongs to one listing line.
class TFTPDirectoryList
{
public:
    static constexpr int MaxColumns = 25;
    static constexpr int MaxColumnLength = 255;

    virtual ~TFTPDirectoryList() = default;

    // Splits the line into columns; a descendant also collects its entry.
    virtual void ParseLine(const QString &line);
    void clear();

    const QStringList &attributes() const { return m_attributes; }
    const QStringList &names() const { return m_names; }
    const QStringList &dates() const { return m_dates; }
    const QStringList &sizes() const { return m_sizes; }

    // The columns of the last parsed line: a run of spaces separates two columns, so a leading
    // space gives an empty first column and trailing spaces an empty last one.
    int columnCount() const { return int(m_columns.size()); }
    QString column(int index) const { return m_columns.value(index); }
    // Where column index starts in the last parsed line.
    int columnStart(int index) const { return m_starts.value(index); }

protected:
    void append(const QString &attributes, const QString &name, const QString &date, const QString &size);

private:
    QStringList m_attributes;
    QStringList m_names;
    QStringList m_dates;
    QStringList m_sizes;
    QStringList m_columns;
    QList<int> m_starts;
};
