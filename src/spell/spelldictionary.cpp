#include "spell/spelldictionary.h"

#include <QFileInfo>

#include <hunspell.hxx>

SpellDictionary::SpellDictionary(std::unique_ptr<Hunspell> hunspell, bool utf8)
    : m_hunspell(std::move(hunspell))
    , m_utf8(utf8)
{
}

SpellDictionary::~SpellDictionary() = default;

std::unique_ptr<SpellDictionary> SpellDictionary::open(const QString &base)
{
    const QString aff = base + QLatin1String(".aff");
    const QString dic = base + QLatin1String(".dic");
    // Hunspell does not report a missing file; it only knows no words.
    if (!QFileInfo(aff).isFile() || !QFileInfo(dic).isFile())
        return nullptr;
    auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(),
                                               QFile::encodeName(dic).constData());
    const QString encoding = QString::fromStdString(hunspell->get_dict_encoding()).toUpper();
    const bool utf8 = encoding == QLatin1String("UTF-8");
    if (!utf8 && encoding != QLatin1String("ISO8859-1") && encoding != QLatin1String("ISO-8859-1"))
        return nullptr;
    return std::unique_ptr<SpellDictionary>(new SpellDictionary(std::move(hunspell), utf8));
}

std::string SpellDictionary::encode(const QString &word) const
{
    return m_utf8 ? word.toStdString() : word.toLatin1().toStdString();
}

QString SpellDictionary::decode(const std::string &word) const
{
    return m_utf8 ? QString::fromStdString(word) : QString::fromLatin1(word.data(), qsizetype(word.size()));
}

bool SpellDictionary::isCorrect(const QString &word)
{
    // A word the dictionary's character set cannot hold is not in it.
    if (!m_utf8 && decode(encode(word)) != word)
        return false;
    return m_hunspell->spell(encode(word));
}

QStringList SpellDictionary::suggest(const QString &word, int limit)
{
    QStringList result;
    const std::vector<std::string> found = m_hunspell->suggest(encode(word));
    for (const std::string &s : found) {
        if (result.size() >= limit)
            break;
        result << decode(s);
    }
    return result;
}

void SpellDictionary::add(const QString &word)
{
    m_hunspell->add(encode(word));
}

void SpellDictionary::remove(const QString &word)
{
    m_hunspell->remove(encode(word));
}
