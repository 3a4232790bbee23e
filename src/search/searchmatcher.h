#pragma once

#include <QString>
#include <QStringView>

// Decides whether a piece of text is an occurrence of the search text. Without
// match case only the ASCII letters fold (a-z equal A-Z); every other
// character, accented letters included, must be identical.
class SearchMatcher
{
public:
    SearchMatcher(const QString &searchText, bool matchCase);

    qsizetype length() const { return m_text.size(); }

    // Whether the candidate made of `head` followed by `tail` starts with an
    // occurrence. Lets a caller test a candidate that spans two buffers
    // without joining them. An empty search text matches nothing.
    bool matchesAt(QStringView head, QStringView tail = {}) const;

    // The first position in [from, last] at which an occurrence starts in
    // text, or -1.
    qsizetype indexIn(QStringView text, qsizetype from, qsizetype last) const;

private:
    QString m_text;
    QString m_folded; // with the ASCII capitals made small
    bool m_matchCase;
};
