#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

// A Hunspell dictionary plus the words added while the program runs.
class SpellDictionary
{
public:
    ~SpellDictionary();
    SpellDictionary(const SpellDictionary &) = delete;
    SpellDictionary &operator=(const SpellDictionary &) = delete;

    // Loads <base>.aff and <base>.dic; nullptr when either is missing or
    // the dictionary's character set is not one we can convert.
    static std::unique_ptr<SpellDictionary> open(const QString &base);

    bool isCorrect(const QString &word);
    QStringList suggest(const QString &word, int limit);

    void add(const QString &word);
    void remove(const QString &word);

private:
    SpellDictionary(std::unique_ptr<Hunspell> hunspell, bool utf8);
    std::string encode(const QString &word) const;
    QString decode(const std::string &word) const;

    std::unique_ptr<Hunspell> m_hunspell;
    bool m_utf8;
};
