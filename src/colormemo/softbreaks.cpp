#include "colormemo/softbreaks.h"

#include <algorithm>

namespace {

// How far back from a piece's nominal end a '>' or blank is looked for.
constexpr int CutSearch = 256;

} // namespace

int PositionList::countBefore(int position) const
{
    return int(std::lower_bound(m_positions.begin(), m_positions.end(), position) - m_positions.begin());
}

bool PositionList::contains(int position) const
{
    return std::binary_search(m_positions.begin(), m_positions.end(), position);
}

void PositionList::append(const std::vector<int> &positions)
{
    for (const int position : positions)
        m_positions.push_back(position);
}

void PositionList::insert(int position)
{
    m_positions.insert(std::lower_bound(m_positions.begin(), m_positions.end(), position), position);
}

void PositionList::remove(int position)
{
    const auto it = std::lower_bound(m_positions.begin(), m_positions.end(), position);
    if (it != m_positions.end() && *it == position)
        m_positions.erase(it);
}

void PositionList::replaced(int from, int removed, int added)
{
    const auto first = std::lower_bound(m_positions.begin(), m_positions.end(), from);
    const auto last = std::lower_bound(first, m_positions.end(), from + removed);
    for (auto it = last; it != m_positions.end(); ++it)
        *it += added - removed;
    m_positions.erase(first, last);
}

std::vector<int> pieceCuts(QStringView line)
{
    std::vector<int> cuts;
    qsizetype start = 0;
    while (line.size() - start > SoftBreaks::MaxBlockLength) {
        const qsizetype target = start + SoftBreaks::PieceLength;
        qsizetype cut = target;
        for (qsizetype i = target; i > target - CutSearch; --i) {
            const QChar c = line.at(i - 1);
            if (c == QLatin1Char('>') || c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
                cut = i;
                break;
            }
        }
        if (cut == target && line.at(cut - 1).isHighSurrogate())
            --cut;
        cuts.push_back(int(cut));
        start = cut;
    }
    return cuts;
}

std::vector<int> cutLongLines(QString &text)
{
    std::vector<int> separators;
    // Most texts have no such line: find out before building anything.
    std::vector<std::pair<qsizetype, std::vector<int>>> lines; // line start, its cuts
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        if (end - start > SoftBreaks::MaxBlockLength)
            lines.emplace_back(start, pieceCuts(QStringView(text).mid(start, end - start)));
        start = end + 1;
    }
    if (lines.empty())
        return separators;

    qsizetype added = 0;
    for (const auto &line : lines)
        added += qsizetype(line.second.size());
    QString result;
    result.reserve(text.size() + added);
    qsizetype copied = 0;
    for (const auto &[lineStart, cuts] : lines) {
        for (const int cut : cuts) {
            result.append(QStringView(text).mid(copied, lineStart + cut - copied));
            separators.push_back(int(result.size()));
            result.append(QChar::ParagraphSeparator);
            copied = lineStart + cut;
        }
    }
    result.append(QStringView(text).mid(copied));
    text = std::move(result);
    return separators;
}
