#include "colormemo/drawrules.h"
#include "colormemo/colorvalue.h"
#include "colormemo/htmlrules.h"

#include "colortestutil.h"

#include <QColor>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(TColor)

namespace {

QStringList numbered(const QString &pattern, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << pattern.arg(i);
    return lines;
}

} // namespace

class TestColorRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colorParser_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TColor>("color");
        QTest::newRow("name") << "navy" << TColor(0x800000);
        QTest::newRow("name padded, mixed case") << "  Fuchsia " << clFuchsia;
        QTest::newRow("every name known") << "SILVER" << clSilver;
        QTest::newRow("hash") << "#FF0000" << clRed;
        QTest::newRow("bare hex") << "FF0000" << clRed;
        QTest::newRow("dollar") << "$0000FF" << clBlue;
        QTest::newRow("lower-case hex") << "#ff8000" << TColor(0x0080FF);
        QTest::newRow("short hex") << "F" << TColor(0x0F0000);
        QTest::newRow("unknown word") << "banana" << clWhite;
        QTest::newRow("empty") << "" << clWhite;
        QTest::newRow("only hash") << "#" << clWhite;
        QTest::newRow("second hash stays") << "##FF0000" << clWhite;
        QTest::newRow("dollar inside") << "FF$00" << clWhite;
        QTest::newRow("inner blank") << "$ FF" << clWhite;
        QTest::newRow("cut to ten, too long") << "1234567890AB" << clWhite;
        QTest::newRow("top byte dropped") << "$FFFFFFFF" << clWhite;
        QTest::newRow("0x prefix is not hex") << "0x12" << clWhite;
    }
    void colorParser()
    {
        QFETCH(QString, text);
        QFETCH(TColor, color);
        QCOMPARE(::parseColor(text), color);
    }

    // The editor's rule colours read on dark bases and stay as they are on light ones.
    void readableColours_data()
    {
        QTest::addColumn<QColor>("base");
        for (const char *base : {"#000000", "#1e1e1e", "#2a2a2a", "#353535", "#505050"})
            QTest::newRow(base) << QColor(QLatin1String(base));
        for (const char *base : {"#ffffff", "#f0f0f0", "#c0c0c0"})
            QTest::newRow(base) << QColor(QLatin1String(base));
    }
    void readableColours()
    {
        QFETCH(QColor, base);
        const auto luminance = [](const QColor &c) {
            const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        const bool dark = luminance(base) < 0.18;
        for (const TColor rule : {clGreen, clMaroon, clBlue, clRed}) {
            const QColor color = toQColor(rule, base);
            const QColor shown = readableOn(color, base);
            if (!dark) {
                QCOMPARE(shown, color);
                continue;
            }
            const double a = luminance(shown) + 0.05;
            const double b = luminance(base) + 0.05;
            QVERIFY2(std::max(a, b) / std::min(a, b) >= 4.5, qPrintable(shown.name()));
            QCOMPARE(shown.hue(), color.hue()); // a lighter variant of the same colour
        }
    }

    void compileKeywords_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("keyCase");
        QTest::addColumn<QStringList>("compiled"); // "WORD colour"
        QTest::newRow("default colour, upper-cased")
            << QStringList{"<td", " href= ; navy ", "x;"} << false
            << QStringList{"<TD red", "HREF= navy", "X red"};
        QTest::newRow("case kept") << QStringList{"Td;green"} << true << QStringList{"Td green"};
        QTest::newRow("blank lines skipped") << QStringList{"", "   ", "a"} << false
                                             << QStringList{"A red"};
        QTest::newRow("star and long words left out")
            << QStringList{"a*b", QString(40, 'w'), QString(39, 'v')} << false
            << QStringList{QString(39, 'V') + " red"};
        QTest::newRow("semicolon keyword") << QStringList{";", ";;blue", " ; "} << false
                                           << QStringList{"; red", "; blue", "; red"};
        QTest::newRow("empty word dropped") << QStringList{";red", " ;red "} << false << QStringList{};
        QTest::newRow("bad colour is white") << QStringList{"a;nocolour"} << false
                                             << QStringList{"A white"};
    }
    void compileKeywords()
    {
        QFETCH(QStringList, lines);
        QFETCH(bool, keyCase);
        QFETCH(QStringList, compiled);
        TColorRule rule;
        rule.setKeyCase(keyCase);
        rule.setKeywords(lines);
        QStringList actual;
        const KeywordSet &set = rule.keywordSet();
        for (int i = 0; i < set.count(); ++i)
            actual << set.word(i) + ' ' + colorName(set.color(i));
        QCOMPARE(actual, compiled);
    }

    void colourTableOverflow()
    {
        // 42 different colours: the 42nd new one takes the colour of the
        // keyword before it, while known colours still resolve.
        QStringList lines = numbered(QStringLiteral("w%1;#%1"), 41);
        lines << QStringLiteral("last;#ABCDEF") << QStringLiteral("again;#3");
        TColorRule rule;
        rule.setKeywords(lines);
        const KeywordSet &set = rule.keywordSet();
        QCOMPARE(set.count(), 43);
        QCOMPARE(set.color(40), parseColor(QStringLiteral("#40")));
        QCOMPARE(set.color(41), set.color(40));
        QCOMPARE(set.color(42), parseColor(QStringLiteral("#3")));
    }

    void compileBeginEnd_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("entries"); // "begin|end|colour"
        QTest::newRow("pair") << QStringList{"<!--;-->"} << QStringList{"<!--|-->|red"};
        QTest::newRow("colour") << QStringList{"{;};navy"} << QStringList{"{|}|navy"};
        QTest::newRow("blank colour") << QStringList{"{;}; "} << QStringList{"{|}|red"};
        QTest::newRow("keys not trimmed, cut to six")
            << QStringList{" begin-key; end-key-long;lime"} << QStringList{" begin| end-k|lime"};
        QTest::newRow("no semicolon leaves a hole")
            << QStringList{"abc", ";x;", "(;)"} << QStringList{"||", "||", "(|)|red"};
        QTest::newRow("only a begin key") << QStringList{"ab;"} << QStringList{"ab||red"};
    }
    void compileBeginEnd()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, entries);
        TColorRule rule;
        rule.setKeyBegEndLst(lines);
        for (int i = 0; i < entries.size(); ++i) {
            const DelimiterTable::Entry &e = rule.delimiters().entry(i);
            const QString actual = e.begin.isEmpty()
                ? QStringLiteral("||")
                : e.begin + '|' + e.end + '|' + colorName(e.color);
            QCOMPARE(actual, entries.at(i));
        }
    }

    void compileLineEnd_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("entries"); // "key|colour"
        QTest::newRow("key") << QStringList{"//"} << QStringList{"//|red"};
        QTest::newRow("key and colour") << QStringList{"rem; green"} << QStringList{"rem|green"};
        QTest::newRow("two semicolons: the semicolon") << QStringList{";;teal", ";;"}
                                                       << QStringList{";|teal", ";|red"};
        QTest::newRow("one leading semicolon: whole line")
            << QStringList{";abc"} << QStringList{";abc|red"};
        QTest::newRow("cut to six") << QStringList{"abcdefgh;navy"} << QStringList{"abcdef|navy"};
        QTest::newRow("empty line is a hole") << QStringList{"", "#"} << QStringList{"|red", "#|red"};
    }
    void compileLineEnd()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, entries);
        TColorRule rule;
        rule.setKeyDrawingType(dtBeginLineEnd);
        rule.setKeyLineEndLst(lines);
        for (int i = 0; i < entries.size(); ++i) {
            const DelimiterTable::Entry &e = rule.delimiters().entry(i);
            QCOMPARE(e.begin + '|' + colorName(e.color), entries.at(i));
            QVERIFY(e.end.isEmpty());
        }
    }

    void tableKeepsFortyLines()
    {
        TColorRule rule;
        rule.setKeyBegEndLst(numbered(QStringLiteral("<%1|;>"), 45));
        QCOMPARE(rule.delimiters().entry(39).begin, QStringLiteral("<39|"));
        // Only the first forty pairs are looked for.
        QCOMPARE(findKeys(rule, QStringLiteral("<39|> <40|> <44|>")), QStringList{"0-4"});
    }

    void keyShow_data()
    {
        QTest::addColumn<QStringList>("keywords");
        QTest::addColumn<bool>("partWord");
        QTest::addColumn<bool>("keyCase");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        const QStringList td{"<td"};
        QTest::newRow("any case, before blank") << td << false << false << "<TD x" << QStringList{"0-2"};
        QTest::newRow("before >") << td << false << false << "<Td>" << QStringList{"0-2"};
        QTest::newRow("not inside a longer name") << td << false << false << "<tdx" << QStringList{};
        QTest::newRow("digit is no letter") << td << false << false << "<td1" << QStringList{"0-2"};
        QTest::newRow("at sign is a letter") << QStringList{"table"} << false << false
                                             << "@table 1table _table- table\r\ntable"
                                             << QStringList{"8-12", "15-19", "22-26", "29-33"};
        QTest::newRow("letter after rejects") << QStringList{"table"} << false << false
                                              << "tables xtable" << QStringList{};
        QTest::newRow("only ASCII letters count") << QStringList{"table"} << false << false
                                                  << QString::fromUtf8("ætableø") << QStringList{"1-5"};
        QTest::newRow("part word: both tags")
            << QStringList{"<b", "<big"} << true << false << "<big>" << QStringList{"0-1", "0-3"};
        QTest::newRow("whole word: only the longer")
            << QStringList{"<b", "<big"} << false << false << "<big>" << QStringList{"0-3"};
        QTest::newRow("exact case") << QStringList{"Td"} << true << true << "td Td TD"
                                    << QStringList{"3-4"};
        QTest::newRow("one keyword never overlaps itself")
            << QStringList{"aa"} << true << false << "aaaaa" << QStringList{"0-1", "2-3"};
        QTest::newRow("rejected occurrence still skips")
            << QStringList{"aa"} << false << false << "aaa aa" << QStringList{"4-5"};
        QTest::newRow("keyword order before text order")
            << QStringList{"b", "a"} << true << false << "ab ab" << QStringList{"1-1", "4-4", "0-0", "3-3"};
        QTest::newRow("keyword at the very end") << QStringList{"-->"} << true << false << "x -->"
                                                 << QStringList{"2-4"};
        QTest::newRow("no keywords") << QStringList{} << false << false << "abc" << QStringList{};
        QTest::newRow("NUL and controls") << QStringList{"a"} << false << false
                                          << QString::fromLatin1("\0a\x01" "a\x1f", 5) << QStringList{"1-1", "3-3"};
    }
    void keyShow()
    {
        QFETCH(QStringList, keywords);
        QFETCH(bool, partWord);
        QFETCH(bool, keyCase);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TColorRule rule;
        rule.setKeyDrawingType(dtKeyShow);
        rule.setPartWord(partWord);
        rule.setKeyCase(keyCase);
        rule.setKeywords(keywords);
        QCOMPARE(findKeys(rule, text), found);
    }

    void keyShowDescriptor()
    {
        TColorRule rule;
        rule.setKeyDrawingType(dtKeyShow);
        rule.setZOrder(7);
        rule.setKeywords({QStringLiteral("<p;navy")});
        QCOMPARE(findKeys(rule, QStringLiteral("<p>"), true, 100), QStringList{"100-101 navy z7 key"});
    }

    void beginEnd_data()
    {
        QTest::addColumn<QStringList>("pairs");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        const QStringList comment{"<!--;-->"};
        QTest::newRow("comment inclusive") << comment << "a <!-- x --> b" << QStringList{"2-11"};
        QTest::newRow("end beyond the region") << comment << "a <!-- x" << QStringList{};
        QTest::newRow("shared character") << comment << "<!-->" << QStringList{"0-4"};
        QTest::newRow("end key shares begin's last character")
            << QStringList{"ab;ba"} << "aba" << QStringList{"0-2"};
        QTest::newRow("spans lines") << comment << "<!--\r\n-->" << QStringList{"0-8"};
        QTest::newRow("earliest begin wins") << QStringList{"{;}", "(;)"} << "(a) {b}"
                                             << QStringList{"0-2", "4-6"};
        QTest::newRow("tie goes to the earlier entry") << QStringList{"<;>", "<a;x"} << "<a x>"
                                                       << QStringList{"0-4"};
        QTest::newRow("tie, other order") << QStringList{"<a;x", "<;>"} << "<a x>"
                                          << QStringList{"0-3"};
        QTest::newRow("unfinished pair stops the rule") << QStringList{"<!--;-->", "{;}"}
                                                        << "{a} <!-- {b}" << QStringList{"0-2"};
        QTest::newRow("hole stops the table") << QStringList{"{;}", "bad", "[;]"} << "[x]{y}"
                                              << QStringList{"3-5"};
        QTest::newRow("continues after end key") << QStringList{"(;)"} << "(a)(b)"
                                                 << QStringList{"0-2", "3-5"};
        QTest::newRow("not nested") << QStringList{"(;)"} << "((a))" << QStringList{"0-3"};
        QTest::newRow("exact case") << QStringList{"A;B"} << "a b A B" << QStringList{"4-6"};
        QTest::newRow("no end key") << QStringList{"ab;"} << "ab ab" << QStringList{};
    }
    void beginEnd()
    {
        QFETCH(QStringList, pairs);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TColorRule rule;
        rule.setKeyBegEndLst(pairs);
        QCOMPARE(findKeys(rule, text), found);
    }

    void beginLineEnd_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("to the line end") << QStringList{"//"} << "a // x\r\nb" << QStringList{"2-5"};
        QTest::newRow("to the text end") << QStringList{"//"} << "a // x" << QStringList{"2-5"};
        QTest::newRow("key just before the break") << QStringList{"//"} << "//\r\n//"
                                                   << QStringList{"0-1", "4-5"};
        QTest::newRow("second key on the line is inside")
            << QStringList{"//"} << "// a // b\r\nc" << QStringList{"0-8"};
        QTest::newRow("semicolon key") << QStringList{";;"} << "x; y\r\nz;" << QStringList{"1-3", "7-7"};
        QTest::newRow("empty line stops the table") << QStringList{"#", "", "//"} << "// x"
                                                    << QStringList{};
        QTest::newRow("lone LF is no line end") << QStringList{"#"} << "# a\nb" << QStringList{"0-4"};
    }
    void beginLineEnd()
    {
        QFETCH(QStringList, keys);
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TColorRule rule;
        rule.setKeyDrawingType(dtBeginLineEnd);
        rule.setKeyLineEndLst(keys);
        QCOMPARE(findKeys(rule, text), found);
    }

    void lineEndColour()
    {
        TColorRule rule;
        rule.setKeyDrawingType(dtBeginLineEnd);
        rule.setZOrder(2);
        rule.setKeyLineEndLst({QStringLiteral("rem;#00FF00")});
        QCOMPARE(findKeys(rule, QStringLiteral("rem x"), true, 10), QStringList{"10-14 lime z2"});
    }

    void eventDraw_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("no buffer") << 0 << 1 << QStringList{};
        // Entries: 0-1 with ZOrder 9, 3-3 with none, 5-2 reversed,
        // -5..1 half before the text, 8-99 half beyond it.
        QTest::newRow("all entries") << 5 << 5
                                     << QStringList{"100-101 navy z9", "103-103 navy z4",
                                                    "100-101 navy z4", "108-109 navy z4"};
        QTest::newRow("count limited") << 2 << 2 << QStringList{"100-101 navy z9", "103-103 navy z4"};
        QTest::newRow("overstated count") << 2 << 50 << QStringList{"100-101 navy z9", "103-103 navy z4"};
        QTest::newRow("negative count") << 2 << -3 << QStringList{};
    }
    void eventDraw()
    {
        QFETCH(int, limit);
        QFETCH(int, count);
        QFETCH(QStringList, found);
        TDrawEventSource source;
        source.setColorLimMax(limit);
        int fromPos = -1;
        source.setOnDraw([&](TColorRule &, int from, std::vector<TKeyDescr> &items, int &itemsCount) {
            fromPos = from;
            const TKeyDescr entries[] = {{0, 1, clNavy, 9, false}, {3, 3, clNavy, 0, false},
                                         {5, 2, clNavy, 0, false}, {-5, 1, clNavy, 0, false},
                                         {8, 99, clNavy, 0, false}};
            for (size_t i = 0; i < items.size() && i < 5; ++i)
                items[i] = entries[i];
            items.resize(1000); // a careless handler
            itemsCount = count;
        });
        TColorRule rule;
        rule.setKeyDrawingType(dtEventDraw);
        rule.setZOrder(4);
        QCOMPARE(findKeys(rule, QStringLiteral("0123456789"), true, 100, &source), found);
        QCOMPARE(source.ColorLimMax(), limit);
        if (limit > 0)
            QCOMPARE(fromPos, 100);
    }

    void prepare_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("keywords");
        QTest::addColumn<QStringList>("begEnd");
        QTest::addColumn<QStringList>("lineEnd");
        QTest::addColumn<bool>("hasEntries");
        const QStringList some{"x"};
        QTest::newRow("keywords") << int(dtKeyShow) << some << QStringList{} << QStringList{} << true;
        QTest::newRow("nothing") << int(dtKeyShow) << QStringList{} << QStringList{} << QStringList{} << false;
        QTest::newRow("pairs count for every kind") << int(dtKeyShow) << QStringList{} << some << QStringList{} << true;
        QTest::newRow("pairs") << int(dtBeginEnd) << QStringList{} << some << QStringList{} << true;
        QTest::newRow("keywords of another kind") << int(dtBeginEnd) << some << QStringList{} << some << false;
        QTest::newRow("line ends") << int(dtBeginLineEnd) << QStringList{} << QStringList{} << some << true;
        QTest::newRow("callback") << int(dtEventDraw) << some << QStringList{} << some << false;
    }
    void prepare()
    {
        QFETCH(int, type);
        QFETCH(QStringList, keywords);
        QFETCH(QStringList, begEnd);
        QFETCH(QStringList, lineEnd);
        QFETCH(bool, hasEntries);
        TDrawRules rules;
        TColorRule &rule = rules.add();
        rule.setKeyDrawingType(TKeyDrawingType(type));
        rule.setKeywords(keywords);
        rule.setKeyBegEndLst(begEnd);
        rule.setKeyLineEndLst(lineEnd);
        QCOMPARE(rule.Prepare(), hasEntries);
        // An all-empty collection is compiled again at every pass.
        QVERIFY(rules.needsCompiling());
        rules.Prepare();
        QCOMPARE(rules.needsCompiling(), !hasEntries);
    }

    void keyCaseTakesEffectAtCompilation()
    {
        TDrawRules rules;
        TColorRule &rule = rules.add();
        rule.setKeyDrawingType(dtKeyShow);
        rule.setPartWord(true);
        rule.setKeywords({QStringLiteral("td")});
        rule.setKeyCase(true);
        QCOMPARE(findKeys(rule, QStringLiteral("TD td")), (QStringList{"0-1", "3-4"}));
        rules.Prepare();
        QCOMPARE(findKeys(rule, QStringLiteral("TD td")), QStringList{"3-4"});
    }

    void assign()
    {
        TColorRule source;
        source.setKeyDrawingType(dtBeginLineEnd);
        source.setZOrder(9);
        source.setKeyMaxHeight(3);
        source.setKeyCase(true);
        source.setEnabled(false);
        source.setPartWord(true);
        source.setDefKeyColor(clTeal);
        source.setKeyBrushColor(clOlive);
        source.setKeySelColor(clAqua);
        source.setIntChar(QStringLiteral("x"));
        source.setKeywords({QStringLiteral("kw")});
        source.setKeyBegEndLst({QStringLiteral("{;}")});
        source.setKeyLineEndLst({QStringLiteral("//")});

        TColorRule copy;
        copy.Assign(source);
        QCOMPARE(copy.KeyDrawingType(), dtBeginLineEnd);
        QCOMPARE(copy.ZOrder(), quint8(9));
        QCOMPARE(copy.KeyMaxHeight(), 3);
        QVERIFY(copy.KeyCase());
        QVERIFY(!copy.Enabled());
        QVERIFY(copy.PartWord());
        QCOMPARE(copy.DefKeyColor(), clTeal);
        QCOMPARE(copy.KeyBrushColor(), clOlive);
        QCOMPARE(copy.KeySelColor(), clYellow);
        QVERIFY(copy.IntChar().isEmpty());
        QCOMPARE(copy.Keywords(), source.Keywords());
        QCOMPARE(copy.KeyBegEndLst(), source.KeyBegEndLst());
        // The line-end table is in use without a new compilation, although
        // the pair list was set after it.
        QCOMPARE(findKeys(copy, QStringLiteral("a // b"), true), QStringList{"2-5 teal z9"});
    }

    void scanStartLine_data()
    {
        QTest::addColumn<int>("keyMaxHeight");
        QTest::addColumn<int>("firstLine");
        QTest::addColumn<int>("scanLine");
        QTest::newRow("one line") << 1 << 10 << 10;
        QTest::newRow("three lines") << 3 << 10 << 8;
        QTest::newRow("not before the text") << 30 << 10 << 0;
        QTest::newRow("zero height") << 0 << 10 << 10;
        QTest::newRow("huge height") << 2147483647 << 10 << 0;
    }
    void scanStartLine()
    {
        QFETCH(int, keyMaxHeight);
        QFETCH(int, firstLine);
        QFETCH(int, scanLine);
        TDrawRules rules;
        QCOMPARE(rules.scanStartLine(firstLine), firstLine);
        rules.add().setKeyMaxHeight(keyMaxHeight);
        rules.add().setKeyMaxHeight(1); // only the first rule's height counts
        QCOMPARE(rules.scanStartLine(firstLine), scanLine);
    }

    void editorRules_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<int>("keywords");
        QTest::addColumn<int>("zOrder");
        QTest::addColumn<bool>("partWord");
        QTest::addColumn<TColor>("color");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("tags") << 0 << 144 << 3 << true << clGreen << "<!DOCTYPE" << "</XMP>";
        QTest::newRow("attributes") << 1 << 91 << 0 << false << clMaroon << "HTML" << "SELECTED";
        QTest::newRow("scripts") << 2 << 46 << 6 << true << clBlue << "<STYLE" << ".HREF=";
        QTest::newRow("quote, hash, equals") << 3 << 3 << 0 << true << clRed << "\"" << "=";
        QTest::newRow("closing bracket") << 4 << 1 << 0 << true << clGreen << ">" << ">";
    }
    void editorRules()
    {
        QFETCH(int, rule);
        QFETCH(int, keywords);
        QFETCH(int, zOrder);
        QFETCH(bool, partWord);
        QFETCH(TColor, color);
        QFETCH(QString, first);
        QFETCH(QString, last);
        TDrawRules rules;
        addEditorRules(rules);
        QCOMPARE(rules.count(), 5);
        const TColorRule &r = rules[rule];
        QCOMPARE(r.KeyDrawingType(), dtKeyShow);
        QCOMPARE(r.Keywords().size(), keywords);
        QCOMPARE(r.keywordSet().count(), keywords); // none dropped in compilation
        QCOMPARE(int(r.ZOrder()), zOrder);
        QCOMPARE(r.PartWord(), partWord);
        QCOMPARE(r.DefKeyColor(), color);
        QVERIFY(!r.KeyCase());
        QCOMPARE(r.keywordSet().word(0), first);
        QCOMPARE(r.keywordSet().word(keywords - 1), last);
        for (int i = 0; i < keywords; ++i)
            QCOMPARE(r.keywordSet().color(i), color);
    }

    void editorScriptMarks()
    {
        TDrawRules rules;
        addEditorRules(rules);
        const QStringList words = rules[2].Keywords();
        QCOMPARE(words.mid(4, 3), (QStringList{"<!--", "'", "-->"}));
        QVERIFY(words.contains(QStringLiteral(";")));
        QCOMPARE(words.count(QStringLiteral("tabindex")), 0);
        QCOMPARE(rules[1].Keywords().count(QStringLiteral("tabindex")), 2);
        QVERIFY(rules[0].Keywords().contains(QStringLiteral("</div")));
        QVERIFY(rules[0].Keywords().contains(QStringLiteral("</menu")));
    }
};

QTEST_GUILESS_MAIN(TestColorRules)
#include "tst_colorrules.moc"
