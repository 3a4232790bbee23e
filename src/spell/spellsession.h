#pragma once

#include "spell/spelloptions.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class AutoCorrectList;
class SpellDictionary;
class UserDictionary;

// Where the checker's changes go: the document being checked.
class SpellTarget
{
public:
    virtual ~SpellTarget() = default;
    virtual QString currentText() const = 0;
    virtual void replace(int start, int length, const QString &text) = 0;
};

// Something the checker asks the user about.
struct SpellFinding
{
    enum class Kind { NotFound, Repeated, TwoCapitals };
    Kind kind = Kind::NotFound;
    int start = 0;  // the text a change replaces; for a repeated word the
    int length = 0; // gap before it as well, so that deleting it leaves one word
    QString word;
    int rescanFrom = 0; // where to look again to find this finding
};

// One run of the checker over a document: walks through the words, asks
// about those not found, repeated or starting with two capitals, and
// carries out the user's answers. Every answer moves on to the next
// finding; the last 20 can be taken back. Words in the auto-correct list
// are changed without asking.
class SpellSession
{
public:
    static constexpr int MaxSuggestions = 50;
    static constexpr int UndoSteps = 20;

    SpellSession(const QString &text, SpellDictionary &dictionary, UserDictionary &userWords,
                 SpellTarget &target, const SpellOptions &options = SpellOptions(),
                 AutoCorrectList *autoCorrect = nullptr);

    // Moves to the first finding; false when there is none.
    bool start();
    // Reads the document again, which may have been edited meanwhile, and
    // starts over from its top. Ignore All and Change All answers still
    // hold; the answers to take back go when the text has changed.
    bool restart();
    bool atEnd() const { return m_atEnd; }
    const SpellFinding &current() const { return m_current; }
    const QString &text() const { return m_text; }

    // What the checker offers for the current finding: suggestions for a
    // word not found (when suggested automatically), the corrected
    // capitals, or nothing for a repeated word (changing deletes it).
    QStringList proposals();
    // Suggestions for any word, at most MaxSuggestions.
    QStringList suggestions(const QString &word);

    void ignore();
    void ignoreAll();
    void change(const QString &replacement);
    // Changes this word and, as the check reaches them, its later occurrences.
    void changeAll(const QString &replacement);
    // Adds the word to the user's dictionary; false when the word list
    // could not be saved (the word is accepted for this run all the same).
    bool add();
    // Changes the word and records the pair in the auto-correct list, so
    // later occurrences, in this check and later ones, change silently;
    // false when the list could not be saved.
    bool autoCorrect(const QString &replacement);
    bool canAutoCorrect() const { return m_autoCorrect != nullptr; }
    // Removes the word with the blanks before it (or, at the start of a
    // line, after it); for a repeated word, the repetition.
    void deleteCurrent();
    bool canUndo() const { return !m_steps.isEmpty(); }
    void undoLast();

    const SpellOptions &options() const { return m_options; }
    // New options apply from the current finding on.
    void setOptions(const SpellOptions &options);

    const AutoCorrectList *autoCorrections() const { return m_autoCorrect; }
    // Empties the auto-correct list; false when it could not be saved.
    bool clearAutoCorrections();

private:
    struct Step
    {
        Step(int resumeAt = 0) : resume(resumeAt) {}
        int resume;
        int start = -1; // -1: no text change
        QString oldText;
        QString newText;
        QString ignored;
        QString changedAll;
        QString added;
        QString autoCorrected;
    };

    void findNext();
    QString silentReplacement(const QString &word) const;
    void advancePast();
    void replaceCurrent(Step step, const QString &replacement);
    void replaceAndGoOn(Step step, int start, int length, const QString &replacement);
    void replaceText(Step &step, int start, int length, const QString &replacement);
    void record(const Step &step);
    static bool hasTwoCapitals(const QString &word);

    QString m_text;
    SpellDictionary &m_dictionary;
    UserDictionary &m_userWords;
    SpellTarget &m_target;
    SpellOptions m_options;
    AutoCorrectList *m_autoCorrect;

    int m_pos = 0;
    bool m_atEnd = true;
    SpellFinding m_current;
    // The word before the next one, for the repeated-word prompt.
    int m_previousStart = -1;
    int m_previousEnd = -1;
    QString m_previousWord;

    QSet<QString> m_ignored;
    QHash<QString, QString> m_changeAll;
    QList<Step> m_steps;
};
