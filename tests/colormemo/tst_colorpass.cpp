#include "colormemo/colorpass.h"
#include "colormemo/htmlrules.h"
#include "colormemo/textbuffer.h"

#include "colortestutil.h"

#include <QTest>

namespace {

QStringList describeAll(const std::vector<TKeyDescr> &runs)
{
    QStringList out;
    for (const TKeyDescr &run : runs)
        out << describe(run, true);
    return out;
}

// Colours the whole of `text` the way the editor does: tabs kept, nothing selected.
QStringList passOver(ColorPass &pass, const QString &text, int selStart = 0, int selLength = 0)
{
    PassInput input;
    input.text = text;
    input.selStart = selStart;
    input.selLength = selLength;
    input.wantTabs = true;
    return describeAll(pass.run(input));
}

void addKeywords(ColorPass &pass, quint8 zOrder, const QStringList &keywords)
{
    TColorRule &rule = pass.rules().add();
    rule.setKeyDrawingType(dtKeyShow);
    rule.setPartWord(true);
    rule.setZOrder(zOrder);
    rule.setKeywords(keywords);
}

} // namespace

class TestColorPass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void merge_data()
    {
        QTest::addColumn<QStringList>("first");  // keywords of the first rule, ZOrder 1
        QTest::addColumn<int>("secondZOrder");
        QTest::addColumn<QStringList>("second");
        QTest::addColumn<QStringList>("runs");
        QTest::newRow("equal ZOrder: later rule wins")
            << QStringList{"abcd;navy"} << 1 << QStringList{"bc;teal"}
            << QStringList{"0-0 navy z1 key", "1-2 teal z1 key", "3-3 navy z1 key"};
        QTest::newRow("higher ZOrder wins though earlier")
            << QStringList{"bc;navy"} << 0 << QStringList{"abcd;teal"}
            << QStringList{"0-0 teal z0 key", "1-2 navy z1 key", "3-3 teal z0 key"};
        QTest::newRow("equal ZOrder within a rule: later keyword wins")
            << QStringList{"ab;navy", "abc;teal"} << 0 << QStringList{}
            << QStringList{"0-2 teal z1 key"};
        QTest::newRow("neighbours of one colour form one run")
            << QStringList{"ab;navy", "cd;navy"} << 0 << QStringList{}
            << QStringList{"0-3 navy z1 key"};
        QTest::newRow("plain text makes no run")
            << QStringList{"b;navy"} << 0 << QStringList{"d;navy"}
            << QStringList{"1-1 navy z1 key", "3-3 navy z0 key"};
    }
    void merge()
    {
        QFETCH(QStringList, first);
        QFETCH(int, secondZOrder);
        QFETCH(QStringList, second);
        QFETCH(QStringList, runs);
        ColorPass pass;
        addKeywords(pass, 1, first);
        addKeywords(pass, quint8(secondZOrder), second);
        QCOMPARE(passOver(pass, QStringLiteral("abcd")), runs);
    }

    void disabledRuleProducesNothing()
    {
        ColorPass pass;
        addKeywords(pass, 1, {QStringLiteral("a")});
        pass.rules()[0].setEnabled(false);
        QCOMPARE(passOver(pass, QStringLiteral("a")), QStringList{});
    }

    void selectionHidesKeywords()
    {
        ColorPass pass;
        addKeywords(pass, 200, {QStringLiteral("<td;navy")});
        // The selection's run is not drawn, so the control's highlight shows.
        QCOMPARE(passOver(pass, QStringLiteral("<td> <td>"), 1, 6),
                 (QStringList{"0-0 navy z200 key", "1-6 red z254", "7-7 navy z200 key"}));
    }

    void selectionBeyondTheRegionIsCut()
    {
        ColorPass pass;
        addKeywords(pass, 0, {QStringLiteral("x")});
        PassInput input;
        const QString text = QStringLiteral("ab");
        input.text = text;
        input.startPos = 1000;
        input.selStart = 0;
        input.selLength = 2000000000;
        QCOMPARE(describeAll(pass.run(input)), QStringList{"1000-1001 red z254"});
    }

    void tabsKeepTheirSpacing()
    {
        ColorPass pass;
        addKeywords(pass, 0, {QStringLiteral("a\tb;navy")});
        QCOMPARE(passOver(pass, QStringLiteral("a\tb")),
                 (QStringList{"0-0 navy z0 key", "1-1 window z255", "2-2 navy z0 key"}));
        PassInput input;
        const QString text = QStringLiteral("a\tb");
        input.text = text;
        input.wantTabs = false;
        QCOMPARE(describeAll(pass.run(input)), QStringList{"0-2 navy z0 key"});
    }

    void redrawAlwaysRepaintsTheTypedPart()
    {
        ColorPass pass;
        addKeywords(pass, 0, {QStringLiteral("cd;navy")});
        PassInput input;
        const QString text = QStringLiteral("ab\r\ncdef");
        input.text = text;
        input.redrawAlways = true;
        input.caretLineStart = 4;
        input.caretPos = 6;
        input.fontColor = clBlack;
        QCOMPARE(describeAll(pass.run(input)), (QStringList{"4-5 navy z0 key", "6-6 black z0"}));
    }

    void hotSpots_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("runs");
        const QChar b(30);
        const QChar e(31);
        QTest::newRow("one hot spot") << QString(QStringLiteral("x") + b + "ab" + e)
                                      << QStringList{"1-1 window z253", "2-3 blue z252", "4-4 window z253"};
        QTest::newRow("markers side by side") << QString(QString(b) + e)
                                              << QStringList{"0-1 window z253"};
        QTest::newRow("unfinished one stays visible")
            << QString(QString(b) + "a" + e + " " + b + "c ")
            << QStringList{"0-0 window z253", "1-1 blue z252", "2-2 window z253", "4-4 navy z0 key"};
    }
    void hotSpots()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, runs);
        ColorPass pass;
        pass.hotSpot().Active = true;
        // A rule that colours begin markers shows only where no hot spot hides them.
        addKeywords(pass, 0, {QString(QChar(30)) + ";navy"});
        QCOMPARE(passOver(pass, text), runs);
    }

    void hotSpotsNeedActiveAndBeginChar()
    {
        ColorPass pass;
        const QString text = QString(QChar(30)) + "a" + QChar(31);
        QCOMPARE(passOver(pass, text), QStringList{});
        pass.hotSpot().Active = true;
        pass.hotSpot().BeginChar = QChar();
        QCOMPARE(passOver(pass, text), QStringList{});
        QVERIFY(pass.hasWork());
    }

    void hotSpotText_data()
    {
        QTest::addColumn<QString>("line"); // '[' and ']' stand for the markers
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("over");
        QTest::addColumn<QString>("src");
        QTest::newRow("inside") << "go [to page] now" << 6 << true << "to page";
        QTest::newRow("first character") << "go [to page] now" << 4 << true << "to page";
        QTest::newRow("on the begin marker") << "go [to page] now" << 3 << false << "";
        QTest::newRow("after it") << "go [to page] now" << 13 << false << "";
        QTest::newRow("before it") << "go [to page] now" << 1 << false << "";
        QTest::newRow("second of two") << "[a] [bc]" << 5 << true << "bc";
        QTest::newRow("no begin marker on the line") << "abc] x" << 1 << true << "abc";
        QTest::newRow("column beyond the line") << "[ab]" << 99 << false << "";
    }
    void hotSpotText()
    {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(bool, over);
        QFETCH(QString, src);
        THotSpot hotSpot;
        hotSpot.BeginChar = QLatin1Char('[');
        hotSpot.EndChar = QLatin1Char(']');
        QCOMPARE(hotSpot.isOver(QStringView(line).mid(qMin(column, int(line.size())))), over);
        QCOMPARE(hotSpot.textAt(line, column), over ? src : QString());
    }

    void sameBeginAndEndChar()
    {
        THotSpot hotSpot;
        hotSpot.BeginChar = hotSpot.EndChar = QLatin1Char('|');
        QVERIFY(hotSpot.isOver(u"b|c|"));
        QCOMPARE(hotSpot.textAt(u"a|bc|d", 3), QStringLiteral("bc"));
    }

    void onDrawThroughThePass()
    {
        ColorPass pass;
        TColorRule &rule = pass.rules().add();
        rule.setKeyDrawingType(dtEventDraw);
        rule.setZOrder(5);
        pass.drawSource().setColorLimMax(4);
        pass.drawSource().setOnDraw([](TColorRule &, int, std::vector<TKeyDescr> &items, int &count) {
            items[0] = {1, 2, clTeal, 0, false};
            count = 1;
        });
        PassInput input;
        const QString text = QStringLiteral("abcd");
        input.text = text;
        input.startPos = 10;
        QCOMPARE(describeAll(pass.run(input)), QStringList{"11-12 teal z5"});
    }

    void region_data()
    {
        QTest::addColumn<int>("keyMaxHeight");
        QTest::addColumn<int>("firstLine");
        QTest::addColumn<int>("lastLine");
        QTest::addColumn<int>("scanStart");
        QTest::addColumn<int>("end");
        // Lines "l0".."l4" start at 0, 4, 8, 12, 16.
        QTest::newRow("one line") << 1 << 2 << 2 << 8 << 12;
        QTest::newRow("look back") << 2 << 2 << 3 << 4 << 16;
        QTest::newRow("look back stops at the top") << 9 << 1 << 1 << 0 << 8;
        QTest::newRow("last line ends the text") << 1 << 3 << 4 << 12 << 18;
        QTest::newRow("lines beyond the text") << 1 << 7 << 9 << 16 << 18;
    }
    void region()
    {
        QFETCH(int, keyMaxHeight);
        QFETCH(int, firstLine);
        QFETCH(int, lastLine);
        QFETCH(int, scanStart);
        QFETCH(int, end);
        TDrawRules rules;
        rules.add().setKeyMaxHeight(keyMaxHeight);
        const TextBuffer buffer(QStringLiteral("l0\nl1\r\nl2\rl3\nl4"));
        QCOMPARE(buffer.lineCount(), 5);
        const PassRegion r = buffer.region(rules, firstLine, lastLine);
        QCOMPARE(r.scanStart, scanStart);
        QCOMPARE(r.end, end);
    }

    void limitRegion_data()
    {
        QTest::addColumn<int>("scanStart");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("visibleStart");
        QTest::addColumn<int>("visibleEnd");
        QTest::addColumn<int>("limitedStart");
        QTest::addColumn<int>("limitedEnd");
        QTest::newRow("screenful kept") << 100 << 5000 << 120 << 4000 << 100 << 5000;
        QTest::newRow("huge line cut on both sides")
            << 0 << 2000000 << 1000000 << 1004000 << 1000000 - RegionMargin << 1004000 + RegionMargin;
        QTest::newRow("wide view capped") << 0 << 3000000 << 0 << 3000000 << 0 << MaxRegionLength;
        QTest::newRow("empty stays empty") << 50 << 50 << 50 << 51 << 50 << 50;
    }
    void limitRegion()
    {
        QFETCH(int, scanStart);
        QFETCH(int, end);
        QFETCH(int, visibleStart);
        QFETCH(int, visibleEnd);
        QFETCH(int, limitedStart);
        QFETCH(int, limitedEnd);
        const PassRegion r = ::limitRegion({scanStart, end}, visibleStart, visibleEnd);
        QCOMPARE(r.scanStart, limitedStart);
        QCOMPARE(r.end, limitedEnd);
    }

    void unterminatedCommentAtTheTop()
    {
        // An open comment above the view must neither colour the view nor
        // make the pass read the whole document.
        QString text = QStringLiteral("<!-- never closed\r\n");
        for (int i = 0; i < 20000; ++i)
            text += QStringLiteral("<p>line %1 with <b>bold</b> text</p>\r\n").arg(i);
        const TextBuffer buffer(text);
        ColorPass pass;
        TColorRule &comment = pass.rules().add();
        comment.setKeyBegEndLst({QStringLiteral("<!--;-->;gray")});
        comment.setKeyMaxHeight(5);
        addEditorRules(pass.rules());
        const PassRegion region = buffer.region(pass.rules(), 10000, 10040);
        QVERIFY(region.length() < 4000);
        PassInput input;
        input.text = QStringView(buffer.text()).mid(region.scanStart, region.length());
        input.startPos = region.scanStart;
        const std::vector<TKeyDescr> runs = pass.run(input);
        QVERIFY(!runs.empty());
        for (const TKeyDescr &run : runs) {
            QVERIFY(run.StartPos >= region.scanStart && run.EndPos < region.end);
            QVERIFY(run.Color != clGray);
        }
    }

    void controlCharactersAndLongLines()
    {
        ColorPass pass;
        addEditorRules(pass.rules());
        QString text(300000, QChar(0));
        for (int i = 0; i < text.size(); i += 7)
            text[i] = QChar(i % 32);
        text += QStringLiteral("<td>");
        PassInput input;
        input.text = text;
        input.wantTabs = true;
        const std::vector<TKeyDescr> runs = pass.run(input);
        QVERIFY(!runs.empty());
        QCOMPARE(describe(runs.back(), true), QStringLiteral("300000-300003 green z3 key"));
    }
};

QTEST_GUILESS_MAIN(TestColorPass)
#include "tst_colorpass.moc"
