#include "spell/autocorrectlist.h"

#include "spell/spelllanguage.h"

namespace {

const QChar Separator = QLatin1Char('\t');

} // namespace

AutoCorrectList::AutoCorrectList(const QString &path)
    : m_path(path)
{
}

bool AutoCorrectList::load()
{
    m_entries.clear();
    const std::optional<QStringList> lines = readSpellLines(m_path);
    if (!lines)
        return false;
    for (const QString &line : *lines) {
        const qsizetype tab = line.indexOf(Separator);
        if (tab <= 0)
            continue;
        const QString word = line.left(tab);
        const QString replacement = line.mid(tab + 1);
        if (!replacement.isEmpty() && replacementFor(word).isNull())
            m_entries.append({word, replacement});
    }
    return true;
}

QString AutoCorrectList::replacementFor(const QString &word) const
{
    for (const Entry &entry : m_entries) {
        if (entry.word == word)
            return entry.replacement;
    }
    return QString();
}

bool AutoCorrectList::add(const QString &word, const QString &replacement)
{
    // Tabs and line breaks would break the file's lines apart.
    if (word.isEmpty() || replacement.isEmpty() || word.contains(Separator) || replacement.contains(Separator)
        || replacement.contains(QLatin1Char('\n')) || replacement.contains(QLatin1Char('\r')))
        return true;
    m_entries.removeIf([&word](const Entry &entry) { return entry.word == word; });
    m_entries.append({word, replacement});
    return save();
}

bool AutoCorrectList::remove(const QString &word)
{
    const auto removed = m_entries.removeIf([&word](const Entry &entry) { return entry.word == word; });
    return removed == 0 || save();
}

bool AutoCorrectList::clear()
{
    if (m_entries.isEmpty())
        return true;
    m_entries.clear();
    return save();
}

bool AutoCorrectList::save() const
{
    QStringList lines;
    for (const Entry &entry : m_entries)
        lines << entry.word + Separator + entry.replacement;
    return writeSpellLines(m_path, lines);
}
