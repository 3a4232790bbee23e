#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Ascending document positions of the text control that follow its edits:
// a change of the text moves those behind it and drops those inside it.
class PositionList
{
public:
    bool isEmpty() const { return m_positions.empty(); }
    int count() const { return int(m_positions.size()); }
    const std::vector<int> &positions() const { return m_positions; }

    // Entries before `position`.
    int countBefore(int position) const;
    bool contains(int position) const;

    void clear() { m_positions.clear(); }
    // Adds ascending positions at or after every present one.
    void append(const std::vector<int> &positions);
    void insert(int position);
    void remove(int position);
    // The document's characters [from, from + removed) were replaced by
    // `added` new ones.
    void replaced(int from, int removed, int added);

private:
    std::vector<int> m_positions; // ascending
};

// A very long line costs the text control a full layout of the line for
// every key typed in it, so the memo's document holds such a line in pieces
// of about PieceLength characters, each a block of its own. The separators
// between the pieces are soft: they are no line breaks, and no interface of
// the memo shows them.
namespace SoftBreaks {

constexpr int PieceLength = 4096;
// A block longer than this is cut into pieces.
constexpr int MaxBlockLength = 2 * PieceLength;
// A piece shorter than this joins the one before when they fit together.
constexpr int MinPieceLength = PieceLength / 8;

} // namespace SoftBreaks

// Where to cut a line longer than MaxBlockLength into pieces: after a '>' or
// a blank close before each PieceLength characters, never inside a surrogate
// pair. Offsets within the line, ascending.
std::vector<int> pieceCuts(QStringView line);

// Cuts the lines of `text` (breaks as '\n') that are longer than
// MaxBlockLength by putting in U+2029; returns the indexes of the separators
// put in, in the result.
std::vector<int> cutLongLines(QString &text);
