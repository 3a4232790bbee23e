#include "spell/spellsession.h"

#include "spell/autocorrectlist.h"
#include "spell/spelldictionary.h"
#include "spell/spellscanner.h"
#include "spell/userdictionary.h"

SpellSession::SpellSession(const QString &text, SpellDictionary &dictionary, UserDictionary &userWords,
                           SpellTarget &target, const SpellOptions &options, AutoCorrectList *autoCorrect)
    : m_text(text)
    , m_dictionary(dictionary)
    , m_userWords(userWords)
    , m_target(target)
    , m_options(options)
    , m_autoCorrect(autoCorrect)
{
}

bool SpellSession::start()
{
    m_pos = 0;
    m_previousStart = -1;
    findNext();
    return !m_atEnd;
}

bool SpellSession::restart()
{
    const QString text = m_target.currentText();
    if (text != m_text) {
        m_text = text;
        m_steps.clear();
    }
    return start();
}

void SpellSession::findNext()
{
    const SpellScanner scanner(m_text, m_options);
    m_atEnd = true;
    while (const std::optional<SpellWord> found = scanner.next(m_pos)) {
        const SpellWord &w = *found;
        m_pos = w.end;

        const bool repeated = m_options.reportRepeated && m_previousStart >= 0
                              && w.word.compare(m_previousWord, Qt::CaseInsensitive) == 0
                              && QStringView(m_text).mid(m_previousEnd, w.start - m_previousEnd).trimmed().isEmpty();
        const int previousStart = m_previousStart;
        const int previousEnd = m_previousEnd;
        m_previousStart = w.start;
        m_previousEnd = w.end;
        m_previousWord = w.word;

        if (repeated) {
            m_current = {SpellFinding::Kind::Repeated, previousEnd, w.start + w.length - previousEnd, w.word,
                         previousStart};
            m_atEnd = false;
            return;
        }
        if (m_ignored.contains(w.word))
            continue;
        if (const QString to = silentReplacement(w.word); !to.isNull()) {
            // Taking this back leaves the word as it was and goes on after it.
            Step step;
            replaceText(step, w.start, w.length, to);
            step.resume = w.end;
            record(step);
            m_pos = w.start + int(to.size());
            m_previousStart = -1;
            continue;
        }
        if (m_options.reportTwoCapitals && hasTwoCapitals(w.word)) {
            m_current = {SpellFinding::Kind::TwoCapitals, w.start, w.length, w.word, w.start};
            m_atEnd = false;
            return;
        }
        if (!m_dictionary.isCorrect(w.word)) {
            m_current = {SpellFinding::Kind::NotFound, w.start, w.length, w.word, w.start};
            m_atEnd = false;
            return;
        }
    }
    m_pos = int(m_text.size());
}

// This check's Change All answers come before the stored auto-corrections.
QString SpellSession::silentReplacement(const QString &word) const
{
    if (const auto to = m_changeAll.constFind(word); to != m_changeAll.constEnd())
        return *to;
    return m_autoCorrect ? m_autoCorrect->replacementFor(word) : QString();
}

bool SpellSession::hasTwoCapitals(const QString &word)
{
    if (word.size() < 3 || !word.at(0).isUpper() || !word.at(1).isUpper())
        return false;
    for (int i = 2; i < word.size(); ++i) {
        if (word.at(i).isLower())
            return true;
    }
    return false;
}

QStringList SpellSession::proposals()
{
    if (m_atEnd)
        return {};
    switch (m_current.kind) {
    case SpellFinding::Kind::Repeated:
        return {};
    case SpellFinding::Kind::TwoCapitals:
        return {m_current.word.left(1) + m_current.word.at(1).toLower() + m_current.word.mid(2)};
    case SpellFinding::Kind::NotFound:
        break;
    }
    return m_options.suggestAutomatically ? suggestions(m_current.word) : QStringList();
}

QStringList SpellSession::suggestions(const QString &word)
{
    QStringList found = m_dictionary.suggest(word, MaxSuggestions + int(m_userWords.words().size()));
    if (m_options.suggestMainOnly) {
        found.erase(std::remove_if(found.begin(), found.end(),
                                   [this](const QString &s) { return m_userWords.contains(s); }),
                    found.end());
    }
    return found.mid(0, MaxSuggestions);
}

void SpellSession::advancePast()
{
    m_pos = m_current.start + m_current.length;
    findNext();
}

void SpellSession::ignore()
{
    if (m_atEnd)
        return;
    record({m_current.rescanFrom});
    advancePast();
}

void SpellSession::ignoreAll()
{
    if (m_atEnd)
        return;
    Step step{m_current.rescanFrom};
    if (m_current.kind != SpellFinding::Kind::Repeated && !m_ignored.contains(m_current.word)) {
        m_ignored.insert(m_current.word);
        step.ignored = m_current.word;
    }
    record(step);
    advancePast();
}

void SpellSession::change(const QString &replacement)
{
    if (!m_atEnd)
        replaceCurrent(Step{m_current.rescanFrom}, replacement);
}

void SpellSession::changeAll(const QString &replacement)
{
    if (m_atEnd)
        return;
    Step step{m_current.rescanFrom};
    if (m_current.kind != SpellFinding::Kind::Repeated && !m_changeAll.contains(m_current.word)) {
        m_changeAll.insert(m_current.word, replacement);
        step.changedAll = m_current.word;
    }
    replaceCurrent(step, replacement);
}

void SpellSession::replaceCurrent(Step step, const QString &replacement)
{
    replaceAndGoOn(step, m_current.start, m_current.length, replacement);
}

void SpellSession::replaceAndGoOn(Step step, int start, int length, const QString &replacement)
{
    replaceText(step, start, length, replacement);
    record(step);
    m_pos = start + (m_options.recheckReplaced ? 0 : int(replacement.size()));
    m_previousStart = -1;
    findNext();
}

bool SpellSession::autoCorrect(const QString &replacement)
{
    if (m_atEnd || m_current.kind == SpellFinding::Kind::Repeated)
        return true;
    Step step{m_current.rescanFrom};
    bool saved = true;
    if (m_autoCorrect && m_autoCorrect->replacementFor(m_current.word).isNull()) {
        saved = m_autoCorrect->add(m_current.word, replacement);
        step.autoCorrected = m_current.word;
    }
    replaceCurrent(step, replacement);
    return saved;
}

void SpellSession::deleteCurrent()
{
    if (m_atEnd)
        return;
    int start = m_current.start;
    int end = start + m_current.length;
    if (m_current.kind != SpellFinding::Kind::Repeated) {
        // Take the gap on one side along, so no double blank is left.
        const auto blank = [this](int i) {
            return m_text.at(i) == QLatin1Char(' ') || m_text.at(i) == QLatin1Char('\t');
        };
        int before = start;
        while (before > 0 && blank(before - 1))
            --before;
        if (before < start) {
            start = before;
        } else {
            while (end < m_text.size() && blank(end))
                ++end;
        }
    }
    replaceAndGoOn(Step{m_current.rescanFrom}, start, end - start, QString());
}

bool SpellSession::add()
{
    if (m_atEnd)
        return true;
    Step step{m_current.rescanFrom};
    const QString word = m_current.word;
    bool saved = true;
    if (m_current.kind == SpellFinding::Kind::NotFound && !m_userWords.contains(word)) {
        saved = m_userWords.add(word);
        m_dictionary.add(word);
        step.added = word;
    }
    record(step);
    advancePast();
    return saved;
}

void SpellSession::undoLast()
{
    if (m_steps.isEmpty())
        return;
    const Step step = m_steps.takeLast();
    if (step.start >= 0) {
        m_target.replace(step.start, int(step.newText.size()), step.oldText);
        m_text.replace(step.start, step.newText.size(), step.oldText);
    }
    if (!step.ignored.isEmpty())
        m_ignored.remove(step.ignored);
    if (!step.changedAll.isEmpty())
        m_changeAll.remove(step.changedAll);
    if (!step.added.isEmpty()) {
        m_userWords.remove(step.added);
        m_dictionary.remove(step.added);
    }
    if (!step.autoCorrected.isEmpty() && m_autoCorrect)
        m_autoCorrect->remove(step.autoCorrected);
    m_pos = step.resume;
    m_previousStart = -1;
    findNext();
}

void SpellSession::setOptions(const SpellOptions &options)
{
    m_options = options;
    if (m_atEnd)
        return;
    m_pos = m_current.rescanFrom;
    m_previousStart = -1;
    findNext();
}

bool SpellSession::clearAutoCorrections()
{
    return !m_autoCorrect || m_autoCorrect->clear();
}

void SpellSession::replaceText(Step &step, int start, int length, const QString &replacement)
{
    step.start = start;
    step.oldText = m_text.mid(start, length);
    step.newText = replacement;
    m_target.replace(start, length, replacement);
    m_text.replace(start, length, replacement);
}

void SpellSession::record(const Step &step)
{
    m_steps.append(step);
    if (m_steps.size() > UndoSteps)
        m_steps.removeFirst();
}
