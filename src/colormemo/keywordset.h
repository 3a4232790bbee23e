#pragma once

#include "colormemo/scantext.h"

#include <QStringList>

#include <array>
#include <vector>

// The compiled Keywords list of a dtKeyShow rule and its matcher.
class KeywordSet
{
public:
    static constexpr int MaxColors = 41;
    static constexpr int MaxWordLength = 39;

    // Lines are "word" or "word;colour". Blank lines, words with "*" and
    // words over MaxWordLength characters are left out.
    void compile(const QStringList &lines, bool keyCase, TColor defaultColor);

    int count() const { return int(m_words.size()); }
    QString word(int index) const { return m_words[size_t(index)].word; }
    TColor color(int index) const { return m_colors[size_t(m_words[size_t(index)].colorIndex)]; }

    // Writes one descriptor per accepted occurrence, keyword by keyword in
    // list order and each keyword's occurrences in text order.
    int find(int index, const ScanText &text, bool partWord, quint8 zOrder,
             TKeyDescrList &keys);

private:
    struct Word
    {
        QString word;
        int colorIndex = 0;
    };
    struct Hit
    {
        int word;
        int pos;
    };

    void index();

    bool m_keyCase = false;
    std::vector<Word> m_words;
    std::vector<TColor> m_colors;
    // Keywords by their first character: ASCII directly, the rest in one list.
    std::array<std::vector<int>, 128> m_byFirst;
    std::vector<int> m_nonAscii;
    // Reused by find().
    std::vector<int> m_nextFrom;
    std::vector<Hit> m_hits;
    std::vector<Hit> m_sorted;
    std::vector<int> m_firstHit;
};
