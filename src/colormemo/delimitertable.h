#pragma once

#include "colormemo/scantext.h"

#include <QStringList>

#include <array>

// The begin/end keys of a dtBeginEnd or dtBeginLineEnd rule and their matchers.
class DelimiterTable
{
public:
    static constexpr int Size = 40;
    static constexpr int MaxKeyLength = 6;

    struct Entry
    {
        QString begin; // empty: the entry holds nothing, and matching stops here
        QString end;
        TColor color = 0;
    };

    // "begin;end" or "begin;end;colour", one entry per line; lines without a
    // ";" after their first character leave their entry empty.
    void compileBeginEnd(const QStringList &lines, TColor defaultColor);
    // "key" or "key;colour"; a line starting with ";;" makes ";" the key.
    void compileLineEnd(const QStringList &lines, TColor defaultColor);

    const Entry &entry(int index) const { return m_entries[size_t(index)]; }

    int findBeginEnd(int index, const ScanText &text, quint8 zOrder, TKeyDescrList &keys) const;
    int findBeginLineEnd(int index, const ScanText &text, quint8 zOrder, TKeyDescrList &keys) const;

private:
    struct Begin
    {
        int entry = -1;
        qsizetype pos = -1;
    };
    // The earliest begin key at or after `from`; ties go to the earlier entry.
    Begin nextBegin(QStringView text, qsizetype from) const;

    std::array<Entry, Size> m_entries;
    // Where each begin key was last found, so a key is searched again only
    // once the scan has passed it.
    mutable std::array<qsizetype, Size> m_lastFound{};
};
