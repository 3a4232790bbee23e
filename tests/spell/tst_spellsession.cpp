#include "spell/autocorrectlist.h"
#include "spell/spelldictionary.h"
#include "spell/spelllanguage.h"
#include "spell/spellscanner.h"
#include "spell/spellsession.h"
#include "spell/userdictionary.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>

Q_DECLARE_METATYPE(SpellOptions)

namespace {

// A document that takes the checker's changes, as the memo would.
class TextTarget final : public SpellTarget
{
public:
    explicit TextTarget(const QString &text) : text(text) {}
    QString currentText() const override { return text; }
    void replace(int start, int length, const QString &with) override { text.replace(start, length, with); }
    QString text;
};

QString scannedWords(const QString &text, const SpellOptions &options)
{
    const SpellScanner scanner(text, options);
    QStringList words;
    int from = 0;
    while (const auto word = scanner.next(from)) {
        words << word->word;
        from = word->end;
    }
    return words.join(QLatin1Char('|'));
}

} // namespace

// The checker without its dialog: which words it looks at, what it asks and
// what each answer does to the document, against the system dictionaries.
class TestSpellSession : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::map<int, std::unique_ptr<SpellDictionary>> m_dictionaries;

    SpellDictionary &dictionary(int lang) { return *m_dictionaries.at(lang); }
    QString userFile() const { return m_dir.filePath(QStringLiteral("ukdefault.udt")); }

private Q_SLOTS:
    void initTestCase()
    {
        for (int lang : {1, 2, 3}) {
            const QString base = findDictionary(QLatin1String(spellLanguage(lang).dictionary));
            QVERIFY2(!base.isEmpty(), spellLanguage(lang).package);
            m_dictionaries[lang] = SpellDictionary::open(base);
            QVERIFY(m_dictionaries[lang]);
        }
    }

    void cleanup() { QFile::remove(userFile()); }

    void scannerFindsTheWordsOfRunningText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<SpellOptions>("options");
        QTest::addColumn<QString>("words");

        const SpellOptions defaults;
        SpellOptions withTags;
        withTags.ignoreTags = false;
        SpellOptions noNumbers;
        noNumbers.ignoreWithNumbers = true;
        SpellOptions noCapitals;
        noCapitals.ignoreUpperCase = true;
        SpellOptions noQuotes;
        noQuotes.ignoreQuotedLines = true;
        SpellOptions withAddresses;
        withAddresses.ignoreAddresses = false;

        QTest::newRow("tags and attributes") << "<p class=\"intro\">Hello wrld</p>" << defaults << "Hello|wrld";
        QTest::newRow("tag over lines") << "<img\r\nsrc=\"x.gif\"\r\nalt=\"pic\">after" << defaults << "after";
        QTest::newRow("comment, script, style")
            << "<!-- hidden text -->one<SCRIPT type=\"x\">var foo = bar;</script>two<style>p {}</style>"
            << defaults << "one|two";
        QTest::newRow("tags kept by option") << "<b>bold</b>" << withTags << "b|bold|b";
        QTest::newRow("lone less-than") << "a < b" << defaults << "a|b";
        QTest::newRow("unclosed tag") << "text <b" << defaults << "text|b";
        QTest::newRow("addresses")
            << "see http://example.com/speling.htm, www.exmaple.dk or (joe@mail.exmple.com) now"
            << defaults << "see|or|now";
        QTest::newRow("addresses checked by option") << "www.abc.dk" << withAddresses << "www|abc|dk";
        QTest::newRow("letter entities") << "f&uuml;r Gr&#246;&szlig;e K&#xF8;benhavn" << defaults
                                          << "für|Größe|København";
        QTest::newRow("other entities separate") << "a&nbsp;b &amp; c&hellip;" << defaults << "a|b|c";
        QTest::newRow("apostrophes") << "'tis John's don't dogs' Anna’s" << defaults << "tis|John|don't|dogs|Anna";
        QTest::newRow("numbers") << "in 2026 page2 ok" << defaults << "in|page2|ok";
        QTest::newRow("numbers ignored") << "in 2026 page2 ok" << noNumbers << "in|ok";
        QTest::newRow("capitals") << "HTML is NICE" << defaults << "HTML|is|NICE";
        QTest::newRow("capitals ignored") << "HTML is NICE" << noCapitals << "is";
        QTest::newRow("quoted line") << "> quoted wrods\r\nplain" << noQuotes << "plain";
        QTest::newRow("hyphen and stop") << "E-Mail end.Next" << defaults << "E|Mail|end|Next";
    }

    void scannerFindsTheWordsOfRunningText()
    {
        QFETCH(QString, text);
        QFETCH(SpellOptions, options);
        QFETCH(QString, words);
        QCOMPARE(scannedWords(text, options), words);
    }

    void wordSpanCoversEntitiesButNotPossessive()
    {
        const QString text = QStringLiteral("<i>K&oslash;ge's</i>");
        const auto word = SpellScanner(text, SpellOptions()).next(0);
        QVERIFY(word);
        QCOMPARE(word->word, QStringLiteral("Køge"));
        QCOMPARE(text.mid(word->start, word->length), QStringLiteral("K&oslash;ge"));
    }

    void eachLanguageFindsSuggestsAndChanges_data()
    {
        QTest::addColumn<int>("lang");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("wrong");
        QTest::addColumn<QString>("right");

        QTest::newRow("English")
            << 1
            << "<p title=\"wrng\">The quick brown fox <a href=\"http://example.com/jumpps\">jumpps</a>\r\n"
               "over the lazy dog.</p>"
            << "jumpps" << "jumps";
        QTest::newRow("Danish") << 2 << "<h1>Velkommen</h1>\r\n<p>Jeg kan godt lide at l&aelig;se b&oslash;gger.</p>"
                                << "bøgger" << "bøger";
        QTest::newRow("German") << 3 << "<h1>Willkommen</h1>\r\n<p>Das ist ein sch&ouml;nes Hauss am See.</p>"
                                << "Hauss" << "Haus";
    }

    void eachLanguageFindsSuggestsAndChanges()
    {
        QFETCH(int, lang);
        QFETCH(QString, text);
        QFETCH(QString, wrong);
        QFETCH(QString, right);

        TextTarget target(text);
        UserDictionary user(userFile());
        SpellSession session(text, dictionary(lang), user, target);
        QVERIFY(session.start());
        QCOMPARE(session.current().kind, SpellFinding::Kind::NotFound);
        QCOMPARE(session.current().word, wrong);
        const QStringList proposals = session.proposals();
        QVERIFY2(proposals.contains(right), qPrintable(proposals.join(QLatin1Char(','))));
        QVERIFY(proposals.size() <= SpellSession::MaxSuggestions);

        const int at = session.current().start;
        const int length = session.current().length;
        session.change(right);
        QVERIFY2(session.atEnd(), qPrintable(session.current().word));
        QCOMPARE(target.text, text.left(at) + right + text.mid(at + length));
        QCOMPARE(session.text(), target.text);
    }
    void answersChangeTheDocumentAndCanBeTakenBack()
    {
        // Three wrong words, one of them twice, across CR LF lines.
        const QString text = QStringLiteral("<p>Teh cat</p>\r\nsat on teh mat.\r\nA dogg barked.");
        TextTarget target(text);
        UserDictionary user(userFile());
        SpellSession session(text, dictionary(1), user, target);
        QVERIFY(session.start());
        QCOMPARE(session.current().word, QStringLiteral("Teh"));
        session.change(QStringLiteral("The"));
        // Capitalised and lower-case forms are different words to Change All.
        QCOMPARE(session.current().word, QStringLiteral("teh"));
        session.changeAll(QStringLiteral("the"));
        QCOMPARE(session.current().word, QStringLiteral("dogg"));
        session.change(QStringLiteral("dog"));
        QVERIFY(session.atEnd());
        QCOMPARE(target.text, QStringLiteral("<p>The cat</p>\r\nsat on the mat.\r\nA dog barked."));

        session.undoLast();
        QCOMPARE(session.current().word, QStringLiteral("dogg"));
        session.undoLast();
        QCOMPARE(session.current().word, QStringLiteral("teh"));
        session.undoLast();
        QCOMPARE(session.current().word, QStringLiteral("Teh"));
        QCOMPARE(target.text, text);
        QVERIFY(!session.canUndo());
    }

    void changeAllReachesLaterOccurrences()
    {
        const QString text = QStringLiteral("wrod one, wrod two <b>wrod</b> three");
        TextTarget target(text);
        UserDictionary user(userFile());
        SpellSession session(text, dictionary(1), user, target);
        QVERIFY(session.start());
        session.changeAll(QStringLiteral("word"));
        QVERIFY(session.atEnd());
        QCOMPARE(target.text, QStringLiteral("word one, word two <b>word</b> three"));
        // Taking back a change made on the way leaves that word and goes on after it.
        session.undoLast();
        QCOMPARE(target.text, QStringLiteral("word one, word two <b>wrod</b> three"));
        QVERIFY(session.atEnd());
    }

    void ignoreAllSkipsTheRest()
    {
        const QString text = QStringLiteral("Markvalo is fine. Markvalo <a href=\"mailto:x@y.dk\">again</a> and wrld.");
        TextTarget target(text);
        UserDictionary user(userFile());
        SpellSession session(text, dictionary(1), user, target);
        QVERIFY(session.start());
        QCOMPARE(session.current().word, QStringLiteral("Markvalo"));
        session.ignore();
        QCOMPARE(session.current().word, QStringLiteral("Markvalo"));
        session.ignoreAll();
        QCOMPARE(session.current().word, QStringLiteral("wrld"));
        session.undoLast();
        QCOMPARE(session.current().word, QStringLiteral("Markvalo"));
        QCOMPARE(session.current().start, 18);
        QCOMPARE(target.text, text);
    }

    void repeatedWordsAndTwoCapitals()
    {
        const QString text = QStringLiteral("It is the\r\nthe end of THe day, a a day.");
        TextTarget target(text);
        UserDictionary user(userFile());
        SpellSession session(text, dictionary(1), user, target);
        QVERIFY(session.start());
        QCOMPARE(session.current().kind, SpellFinding::Kind::Repeated);
        QCOMPARE(session.current().word, QStringLiteral("the"));
        QVERIFY(session.proposals().isEmpty());
        session.change(QString()); // deletes the second word with the gap before it
        QCOMPARE(session.current().kind, SpellFinding::Kind::TwoCapitals);
        QCOMPARE(session.proposals(), QStringList{QStringLiteral("The")});
        session.change(session.proposals().first());
        QCOMPARE(session.current().kind, SpellFinding::Kind::Repeated);
        session.ignore();
        QVERIFY(session.atEnd());
        QCOMPARE(target.text, QStringLiteral("It is the end of The day, a a day."));

        // Taking back the deletion asks about the repeated word again.
        session.undoLast();
        session.undoLast();
        session.undoLast();
        QCOMPARE(session.current().kind, SpellFinding::Kind::Repeated);
        QCOMPARE(target.text, text);
    }

    void addedWordsGoToTheUserDictionary()
    {
        const QString text = QStringLiteral("Qorvex and Qorvex.");
        {
            TextTarget target(text);
            UserDictionary user(userFile());
            SpellSession session(text, dictionary(1), user, target);
            QVERIFY(session.start());
            QVERIFY(session.add());
            QVERIFY(session.atEnd());
            UserDictionary stored(userFile());
            QVERIFY(stored.load());
            QCOMPARE(stored.words(), QStringList{QStringLiteral("Qorvex")});
            session.undoLast();
            QCOMPARE(session.current().word, QStringLiteral("Qorvex"));
            QVERIFY(stored.load());
            QVERIFY(stored.words().isEmpty());
            QVERIFY(session.add());
        }
        // A later run knows the word only through the loaded user dictionary.
        SpellDictionary &english = dictionary(1);
        english.remove(QStringLiteral("Qorvex"));
        UserDictionary user(userFile());
        QVERIFY(user.load());
        for (const QString &word : user.words())
            english.add(word);
        TextTarget target(text);
        SpellSession session(text, english, user, target);
        QVERIFY(!session.start());
        english.remove(QStringLiteral("Qorvex"));
    }

    void optionsChangeWhatIsAskedAndSuggested()
    {
        const QString text = QStringLiteral("NASAX said teh");
        TextTarget target(text);
        UserDictionary user(userFile());
        SpellSession session(text, dictionary(1), user, target);
        QVERIFY(session.start());
        QCOMPARE(session.current().word, QStringLiteral("NASAX"));
        SpellOptions options;
        options.ignoreUpperCase = true;
        options.suggestAutomatically = false;
        session.setOptions(options);
        QCOMPARE(session.current().word, QStringLiteral("teh"));
        QVERIFY(session.proposals().isEmpty());
        QVERIFY(session.suggestions(QStringLiteral("teh")).contains(QStringLiteral("the")));
    }

    void optionsFileKeepsEveryOption()
    {
        const QString path = m_dir.filePath(QStringLiteral("ukaddict.cfg"));
        QCOMPARE(SpellOptions::load(path), SpellOptions());
        SpellOptions changed;
        changed.ignoreUpperCase = true;
        changed.ignoreTags = false;
        changed.reportTwoCapitals = false;
        changed.suggestMainOnly = true;
        QVERIFY(changed.save(path));
        QCOMPARE(SpellOptions::load(path), changed);
    }

    void missingDictionaryIsReported()
    {
        QTemporaryDir empty;
        qputenv("DICPATH", QFile::encodeName(empty.path()));
        QCOMPARE(findDictionary(QStringLiteral("xx_YY")), QString());
        QVERIFY(!SpellDictionary::open(empty.filePath(QStringLiteral("xx_YY"))));
        QVERIFY(findDictionary(QStringLiteral("en_US")).startsWith(QLatin1String("/usr/share/hunspell")));
        qunsetenv("DICPATH");
    }
    void unsavableWordListStillAcceptsTheWord()
    {
        // The word list's folder is a file, so the list cannot be written.
        const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString text = QStringLiteral("Vexlor and Vexlor");
        TextTarget target(text);
        UserDictionary user(blocker + QStringLiteral("/ukdefault.udt"));
        SpellSession session(text, dictionary(1), user, target);
        QVERIFY(session.start());
        QVERIFY(!session.add());
        QVERIFY(session.atEnd());
        dictionary(1).remove(QStringLiteral("Vexlor"));
    }
    void autoCorrectionsApplyNowAndInLaterChecks()
    {
        const QString listPath = m_dir.filePath(QStringLiteral("ukdefault.acl"));
        const QString text = QStringLiteral("Teh cat saw teh dog. Teh end.");
        UserDictionary user(userFile());
        {
            TextTarget target(text);
            AutoCorrectList corrections(listPath);
            SpellSession session(text, dictionary(1), user, target, SpellOptions(), &corrections);
            QVERIFY(session.start());
            QVERIFY(session.autoCorrect(QStringLiteral("The")));
            QCOMPARE(session.current().word, QStringLiteral("teh")); // another word
            session.undoLast();
            QVERIFY(corrections.entries().isEmpty());
            QVERIFY(session.autoCorrect(QStringLiteral("The")));
            session.ignore();
            QVERIFY(session.atEnd());
            QCOMPARE(target.text, QStringLiteral("The cat saw teh dog. The end."));
        }
        AutoCorrectList stored(listPath);
        QVERIFY(stored.load());
        QCOMPARE(stored.replacementFor(QStringLiteral("Teh")), QStringLiteral("The"));
        TextTarget target(QStringLiteral("Teh again"));
        SpellSession later(target.text, dictionary(1), user, target, SpellOptions(), &stored);
        QVERIFY(!later.start());
        QCOMPARE(target.text, QStringLiteral("The again"));
        QVERIFY(later.clearAutoCorrections());
        QVERIFY(stored.load());
        QVERIFY(stored.entries().isEmpty());
        QFile::remove(listPath);
    }

    void deleteTakesTheWordAndOneGap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("after");
        QTest::newRow("blank before") << "Hello  wrld." << "Hello.";
        QTest::newRow("line start") << "<p>wrld is\r\nthere</p>" << "<p>is\r\nthere</p>";
        QTest::newRow("after a line break") << "fine\r\nwrld there" << "fine\r\nthere";
        QTest::newRow("repeated word") << "It is is fine" << "It is fine";
    }

    void deleteTakesTheWordAndOneGap()
    {
        QFETCH(QString, text);
        QFETCH(QString, after);
        TextTarget target(text);
        UserDictionary user(userFile());
        SpellSession session(text, dictionary(1), user, target);
        QVERIFY(session.start());
        session.deleteCurrent();
        QVERIFY(session.atEnd());
        QCOMPARE(target.text, after);
        session.undoLast();
        QCOMPARE(target.text, text);
    }

    void restartReadsTheEditedDocumentFromTheTop()
    {
        const QString text = QStringLiteral("Teh wrld and wrld");
        TextTarget target(text);
        UserDictionary user(userFile());
        SpellSession session(text, dictionary(1), user, target);
        QVERIFY(session.start());
        session.ignore();
        // Edited outside the checker: positions of the old text mean nothing now.
        target.text = QStringLiteral("A wrld, then Teh dogg");
        QVERIFY(session.restart());
        QVERIFY(!session.canUndo());
        session.ignoreAll();
        // A single Ignore is asked again, Ignore All holds.
        QCOMPARE(session.current().word, QStringLiteral("Teh"));
        session.change(QStringLiteral("The"));
        QCOMPARE(session.current().word, QStringLiteral("dogg"));
        QCOMPARE(target.text, QStringLiteral("A wrld, then The dogg"));
    }

    void possessiveEndingStaysOutOfChanges()
    {
        const QString text = QStringLiteral("Jhon's car and Jhon's bike");
        TextTarget target(text);
        UserDictionary user(userFile());
        SpellOptions options;
        options.recheckReplaced = false;
        SpellSession session(text, dictionary(1), user, target, options);
        QVERIFY(session.start());
        QCOMPARE(session.current().word, QStringLiteral("Jhon"));
        session.change(QStringLiteral("John"));
        QCOMPARE(session.current().word, QStringLiteral("Jhon"));
        QCOMPARE(session.current().start, 15);
        session.changeAll(QStringLiteral("John"));
        QVERIFY(session.atEnd());
        QCOMPARE(target.text, QStringLiteral("John's car and John's bike"));
    }
};

QTEST_GUILESS_MAIN(TestSpellSession)
#include "tst_spellsession.moc"
