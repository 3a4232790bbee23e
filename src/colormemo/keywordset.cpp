#include "colormemo/keywordset.h"

#include <algorithm>

namespace {

// Letters for the word-boundary test are the bytes 64-90 and 97-122, the at
// sign included; digits, underscore and hyphen are not.
bool isLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 64 && u <= 90) || (u >= 97 && u <= 122);
}

} // namespace

void KeywordSet::compile(const QStringList &lines, bool keyCase, TColor defaultColor)
{
    m_keyCase = keyCase;
    m_words.clear();
    m_colors.clear();
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        QString word;
        QString colorText;
        if (trimmed == QLatin1String(";") || trimmed.startsWith(QLatin1String(";;"))) {
            // As in the line-end lists: ";" alone or ";;colour" makes the
            // semicolon itself the keyword.
            word = QStringLiteral(";");
            colorText = trimmed.mid(2).trimmed();
        } else {
            const qsizetype semicolon = trimmed.indexOf(QLatin1Char(';'));
            word = trimmed.left(semicolon).trimmed();
            colorText = semicolon < 0 ? QString() : trimmed.mid(semicolon + 1).trimmed();
        }
        if (word.isEmpty() || word.size() > MaxWordLength || word.contains(QLatin1Char('*')))
            continue;
        if (!keyCase) {
            for (QChar &c : word)
                c = upperChar(c);
        }
        const TColor color = colorText.isEmpty() ? defaultColor : parseColor(colorText);

        int colorIndex = int(std::find(m_colors.begin(), m_colors.end(), color) - m_colors.begin());
        if (colorIndex == int(m_colors.size())) {
            if (m_colors.size() < size_t(MaxColors))
                m_colors.push_back(color);
            else
                colorIndex = m_words.back().colorIndex; // table full: as the keyword before
        }
        m_words.push_back({word, colorIndex});
    }
    index();
}

void KeywordSet::index()
{
    for (auto &bucket : m_byFirst)
        bucket.clear();
    m_nonAscii.clear();
    for (int i = 0; i < int(m_words.size()); ++i) {
        const char16_t first = m_words[size_t(i)].word.at(0).unicode();
        if (first < 128)
            m_byFirst[first].push_back(i);
        else
            m_nonAscii.push_back(i);
    }
}

int KeywordSet::find(int index, const ScanText &text, bool partWord, quint8 zOrder,
                     TKeyDescrList &keys)
{
    if (m_words.empty())
        return index;
    const QStringView haystack = m_keyCase ? text.text() : text.upper();
    const QStringView original = text.text();
    const qsizetype size = haystack.size();
    const int wordCount = int(m_words.size());

    // One sweep finds, for every keyword, the same occurrences that searching
    // it again and again from right after its previous occurrence would.
    m_nextFrom.assign(size_t(wordCount), 0);
    m_hits.clear();
    auto tryWord = [&](int w, qsizetype pos) {
        if (pos < m_nextFrom[size_t(w)])
            return;
        const QString &word = m_words[size_t(w)].word;
        // Most candidates of a first character differ in the second one;
        // ruling them out there is much cheaper than comparing strings.
        if (pos + word.size() > size || (word.size() > 1 && haystack[pos + 1] != word.at(1))
            || haystack.mid(pos, word.size()) != word)
            return;
        m_nextFrom[size_t(w)] = int(pos + word.size());
        if (!partWord) {
            const qsizetype after = pos + word.size();
            if ((pos > 0 && isLetter(original[pos - 1])) || (after < size && isLetter(original[after])))
                return;
        }
        m_hits.push_back({w, int(pos)});
    };
    for (qsizetype pos = 0; pos < size; ++pos) {
        const char16_t c = haystack[pos].unicode();
        if (c < 128) {
            for (int w : m_byFirst[c])
                tryWord(w, pos);
        } else {
            for (int w : m_nonAscii)
                tryWord(w, pos);
        }
    }

    // Keyword order decides which stretch wins among equal ZOrders, so the
    // hits go out grouped by keyword (a stable counting sort).
    m_firstHit.assign(size_t(wordCount) + 1, 0);
    for (const Hit &hit : m_hits)
        ++m_firstHit[size_t(hit.word) + 1];
    for (int w = 0; w < wordCount; ++w)
        m_firstHit[size_t(w) + 1] += m_firstHit[size_t(w)];
    m_sorted.resize(m_hits.size());
    for (const Hit &hit : m_hits)
        m_sorted[size_t(m_firstHit[size_t(hit.word)]++)] = hit;

    for (const Hit &hit : m_sorted) {
        TKeyDescr d;
        d.StartPos = text.startPos() + hit.pos;
        d.EndPos = d.StartPos + int(m_words[size_t(hit.word)].word.size()) - 1;
        d.Color = m_colors[size_t(m_words[size_t(hit.word)].colorIndex)];
        d.ZOrder = zOrder;
        d.IsKey = true;
        index = keys.put(index, d);
    }
    return index;
}
