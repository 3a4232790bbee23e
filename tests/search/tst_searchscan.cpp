#include "search/replacescan.h"
#include "search/searchmatcher.h"

#include <QRandomGenerator>
#include <QTest>

using Positions = QList<qsizetype>;

namespace {

Positions allMatches(const QString &text, const QString &searchText, bool matchCase)
{
    const SearchMatcher matcher(searchText, matchCase);
    Positions found;
    for (qsizetype at = matcher.indexIn(text, 0, text.size()); at >= 0;
         at = matcher.indexIn(text, at + 1, text.size()))
        found << at;
    return found;
}

// What one replace run in a window did.
struct Run
{
    Positions offered;
    QString text;
    qsizetype caret = -1; // after the last replacement

    bool operator==(const Run &other) const
    {
        return offered == other.offered && text == other.text && caret == other.caret;
    }
};

// The rule read literally: each occurrence in the starting text is looked at
// once, in order, and a replacement's own text is never searched again.
// Answers: y(es), n(o), a(ll).
Run referenceRun(const QString &text, const QString &searchText, const QString &replacement, bool matchCase,
                 const QString &answers)
{
    const SearchMatcher matcher(searchText, matchCase);
    const qsizetype length = searchText.size();
    Run run;
    bool all = false;
    qsizetype answer = 0;
    qsizetype copied = 0;
    for (qsizetype p = 0; p + length <= text.size();) {
        if (!matcher.matchesAt(QStringView(text).mid(p, length))) {
            ++p;
            continue;
        }
        if (!all) {
            run.offered << run.text.size() + (p - copied);
            const QChar choice = answers.at(answer++);
            if (choice == QLatin1Char('n')) {
                ++p;
                continue;
            }
            all = choice == QLatin1Char('a');
        }
        run.text += QStringView(text).mid(copied, p - copied);
        run.text += replacement;
        run.caret = run.text.size();
        p += length;
        copied = p;
    }
    run.text += QStringView(text).mid(copied);
    return run;
}

// The same run through ReplaceScan, with the document kept apart and changed
// the way the command changes the memo.
Run scanRun(const QString &text, const QString &searchText, const QString &replacement, bool matchCase,
            const QString &answers)
{
    const SearchMatcher matcher(searchText, matchCase);
    ReplaceScan scan(text, matcher, replacement);
    Run run;
    run.text = text;
    qsizetype answer = 0;
    while (scan.findNext()) {
        const qsizetype p = scan.position();
        run.offered << p;
        // The scan's idea of the text must be the document's.
        if (!matcher.matchesAt(QStringView(run.text).mid(p)))
            return {};
        const QChar choice = answers.at(answer++);
        if (choice == QLatin1Char('y')) {
            run.text.replace(p, searchText.size(), replacement);
            scan.replace();
        } else if (choice == QLatin1Char('n')) {
            scan.skip();
        } else {
            scan.beginBatch();
            scan.replace();
            while (scan.findNext())
                scan.replace();
            const QList<TextEdit> edits = scan.takeBatch();
            for (qsizetype i = edits.size() - 1; i >= 0; --i) {
                // Apart and in order, as the command relies on.
                if (i > 0 && edits[i - 1].start + edits[i - 1].removed >= edits[i].start)
                    return {};
                run.text.replace(edits[i].start, edits[i].removed, edits[i].inserted);
            }
            break;
        }
    }
    run.caret = scan.lastReplacementEnd();
    return run;
}

} // namespace

class TestSearchScan : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matching_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<Positions>("found");

        QTest::newRow("first and last") << "abc xx abc" << "abc" << false << Positions{0, 7};
        QTest::newRow("overlapping") << "aaaa" << "aa" << false << Positions{0, 1, 2};
        QTest::newRow("ASCII folds") << "ABC abc aBc" << "abc" << false << Positions{0, 4, 8};
        QTest::newRow("match case") << "ABC abc aBc" << "abc" << true << Positions{4};
        QTest::newRow("umlaut never folds") << u"Ä ä Ä"_qs << u"ä"_qs << false << Positions{2};
        QTest::newRow("umlaut with case") << u"Ä ä Ä"_qs << u"Ä"_qs << true << Positions{0, 4};
        QTest::newRow("dotted and dotless i") << u"İıIi"_qs << "i" << false << Positions{2, 3};
        QTest::newRow("neighbours of the letters") << "@[`{Aa" << "[" << false << Positions{1};
        QTest::newRow("braces are not brackets") << "{[" << "{" << false << Positions{0};
        QTest::newRow("longer than the text") << "ab" << "abc" << false << Positions{};
        QTest::newRow("empty search text") << "abc" << "" << false << Positions{};
        QTest::newRow("line break") << "a\r\nb" << "a\r\nB" << false << Positions{0};
    }

    void matching()
    {
        QFETCH(QString, text);
        QFETCH(QString, searchText);
        QFETCH(bool, matchCase);
        QFETCH(Positions, found);
        QCOMPARE(allMatches(text, searchText, matchCase), found);
    }

    void boundsOfTheRange()
    {
        const SearchMatcher matcher(QStringLiteral("ab"), false);
        const QString text = QStringLiteral("ab ab ab");
        QCOMPARE(matcher.indexIn(text, 1, 2), -1);
        QCOMPARE(matcher.indexIn(text, 1, 3), 3);
        QCOMPARE(matcher.indexIn(text, 6, 100), 6);
        QCOMPARE(matcher.indexIn(text, -5, 0), 0);
        // A candidate cut short by the end of the text is no occurrence.
        QVERIFY(!matcher.matchesAt(u"a"));
        QVERIFY(matcher.matchesAt(u"A", u"Bc"));
    }

    void replacing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("searchText");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<Positions>("offered");
        QTest::addColumn<QString>("result");

        QTest::newRow("first and last") << "abxab" << "ab" << "X" << false << "yy" << Positions{0, 2} << "XxX";
        QTest::newRow("a by ba ends") << "aa" << "a" << "ba" << false << "yy" << Positions{0, 2} << "baba";
        QTest::newRow("All asks once") << "aa" << "a" << "ba" << false << "a" << Positions{0} << "baba";
        QTest::newRow("No leaves it") << "abab" << "ab" << "x" << false << "ny" << Positions{0, 2} << "abx";
        QTest::newRow("overlapping") << "aaaa" << "aa" << "b" << false << "yy" << Positions{0, 1} << "bb";
        QTest::newRow("overlapping after No") << "aaa" << "aa" << "b" << false << "ny" << Positions{0, 1}
                                              << "ab";
        QTest::newRow("All after Yes") << "aXa" << "a" << "ba" << false << "ya" << Positions{0, 3} << "baXba";
        QTest::newRow("All after No") << "a1a2a3" << "a" << "b" << false << "na" << Positions{0, 2}
                                      << "a1b2b3";
        QTest::newRow("match case") << "AaA" << "a" << "x" << true << "a" << Positions{1} << "AxA";
        QTest::newRow("empty replacement removes each")
            << "<b><b>x<b>" << "<b>" << "" << false << "a" << Positions{0} << "x";
        QTest::newRow("empty replacement, asked") << "aab" << "a" << "" << false << "yy" << Positions{0, 0}
                                                  << "b";
        QTest::newRow("longer replacements reach the end")
            << "<b>one</b> <b>two</b> <b>three</b>" << "b" << "strong" << false << "a" << Positions{1}
            << "<strong>one</strong> <strong>two</strong> <strong>three</strong>";
        QTest::newRow("longer than the text") << "ab" << "abc" << "x" << false << "" << Positions{} << "ab";
        QTest::newRow("line breaks") << "ab\r\nab" << "ab" << "\r\n" << false << "a" << Positions{0}
                                     << "\r\n\r\n\r\n";
    }

    void replacing()
    {
        QFETCH(QString, text);
        QFETCH(QString, searchText);
        QFETCH(QString, replacement);
        QFETCH(bool, matchCase);
        QFETCH(QString, answers);
        QFETCH(Positions, offered);
        QFETCH(QString, result);

        const Run run = scanRun(text, searchText, replacement, matchCase, answers);
        QCOMPARE(run.offered, offered);
        QCOMPARE(run.text, result);
        QVERIFY(run == referenceRun(text, searchText, replacement, matchCase, answers));
    }

    // Many small runs over a two-letter alphabet, where occurrences overlap
    // and replacements hold the search text, against the literal rule.
    void agreesWithTheLiteralRule_data()
    {
        QTest::addColumn<int>("growth"); // replacement length minus search length
        QTest::newRow("longer") << 2;
        QTest::newRow("shorter") << -1;
        QTest::newRow("equal") << 0;
    }

    void agreesWithTheLiteralRule()
    {
        QFETCH(int, growth);
        QRandomGenerator random(20261208);
        const auto word = [&](int length) {
            QString s;
            for (int n = length; n > 0; --n)
                s += random.bounded(2) ? QLatin1Char('a') : QLatin1Char('B');
            return s;
        };
        for (int round = 0; round < 2000; ++round) {
            const QString text = word(random.bounded(13));
            const QString searchText = word(random.bounded(1, 4));
            const QString replacement = word(qMax(0, int(searchText.size()) + growth));
            const bool matchCase = random.bounded(2);
            QString answers;
            for (int i = 0; i < 40; ++i)
                answers += QLatin1Char("yyna"[random.bounded(4)]);
            const Run expected = referenceRun(text, searchText, replacement, matchCase, answers);
            const Run actual = scanRun(text, searchText, replacement, matchCase, answers);
            if (!(actual == expected))
                QFAIL(qPrintable(QStringLiteral("%1 in \"%2\" by \"%3\", answers %4: got \"%5\", expected \"%6\"")
                                     .arg(searchText, text, replacement, answers, actual.text, expected.text)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSearchScan)
#include "tst_searchscan.moc"
