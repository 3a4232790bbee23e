#include "colormemo/separatormarks.h"

#include <array>

namespace {

// Readable marks first; the private use area when a text holds all of them.
constexpr std::array<char16_t, 3> ParagraphMarks = {0x00B6, 0x204B, 0x2E3F};
constexpr std::array<char16_t, 3> LineMarks = {0x21B5, 0x23CE, 0x2424};
constexpr char16_t PrivateUseFirst = 0xE000;
constexpr char16_t PrivateUseLast = 0xF8FF;

template<size_t N>
QChar firstAbsent(const std::array<char16_t, N> &preferred, QStringView text, QStringView more,
                  QChar taken)
{
    const auto absent = [&](QChar c) { return c != taken && !text.contains(c) && !more.contains(c); };
    for (const char16_t c : preferred) {
        if (absent(QChar(c)))
            return QChar(c);
    }
    for (char16_t c = PrivateUseFirst; c <= PrivateUseLast; ++c) {
        if (absent(QChar(c)))
            return QChar(c);
    }
    // A text of more than 6400 distinct private characters: none is left to mark with.
    return QChar(PrivateUseLast);
}

} // namespace

void SeparatorMarks::chooseFor(QStringView text, QStringView more)
{
    m_paragraph = firstAbsent(ParagraphMarks, text, more, QChar());
    m_line = firstAbsent(LineMarks, text, more, m_paragraph);
}

bool SeparatorMarks::clashesWith(QStringView text) const
{
    return text.contains(m_paragraph) || text.contains(m_line);
}

void SeparatorMarks::toDocument(QString &text) const
{
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator)
            c = m_paragraph;
        else if (c == QChar::LineSeparator)
            c = m_line;
    }
}

QChar SeparatorMarks::toText(QChar c) const
{
    if (c == m_paragraph)
        return QChar::ParagraphSeparator;
    if (c == m_line)
        return QChar::LineSeparator;
    return c;
}

void SeparatorMarks::toText(QString &text) const
{
    for (QChar &c : text)
        c = toText(c);
}
