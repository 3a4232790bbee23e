#pragma once

#include "colormemo/passregion.h"

#include <QString>

#include <vector>

class TDrawRules;

// A whole text as the memo counts it, every line break CR LF, with the start
// of each line: what a pass needs when no control holds the text.
class TextBuffer
{
public:
    // Line breaks of any kind (CR LF, CR, LF) become CR LF.
    explicit TextBuffer(const QString &text = QString());

    const QString &text() const { return m_text; }
    int lineCount() const { return int(m_lineStarts.size()); }
    int lineStart(int line) const { return m_lineStarts[size_t(line)]; }

    // The region of a pass that paints lines firstLine..lastLine: from the
    // scanning start line to just after lastLine's line break.
    PassRegion region(const TDrawRules &rules, int firstLine, int lastLine) const;

private:
    QString m_text;
    std::vector<int> m_lineStarts;
};
