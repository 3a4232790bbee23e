// The text builders of the Edit, Misc, Javascripts, Layer/DHTML and Defined
// menus, on plain strings.
#include "editor/definedtagtext.h"
#include "editor/snippettexts.h"
#include "editor/textbuilders.h"

#include <QTest>

using namespace TextBuilders;

namespace {

QString crlf(const char *text)
{
    return QString::fromUtf8(text).replace(QLatin1String("|"), QLatin1String("\r\n"));
}

int countOf(const QString &text, const QString &what)
{
    return int(text.count(what));
}

// Applies the edits from before to after; the number of edits, or -1 with
// the problem described.
int applyEdits(const QString &before, const QString &after, QString *problem)
{
    const std::vector<TextEdit> edits = TextBuilders::textEdits(before, after);
    QString result;
    qsizetype at = 0;
    for (const TextEdit &edit : edits) {
        if (edit.position < at || edit.position + edit.removed > before.size()) {
            *problem = QStringLiteral("edits out of order");
            return -1;
        }
        if (edit.position > 0 && edit.position < before.size()
            && before.at(edit.position - 1) == QLatin1Char('\r')
            && before.at(edit.position) == QLatin1Char('\n')) {
            *problem = QStringLiteral("edit inside a line break");
            return -1;
        }
        result += QStringView(before).mid(at, edit.position - at);
        result += edit.inserted;
        at = edit.position + edit.removed;
    }
    result += QStringView(before).mid(at);
    if (result != after) {
        *problem = QStringLiteral("edits give another text");
        return -1;
    }
    return int(edits.size());
}

} // namespace

class TestTextBuilders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setLineBreaks_data()
    {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("no line break gets one at the end") << crlf("word") << crlf("word<br>");
        QTest::newRow("two lines ending with a break") << crlf("ab|cd|") << crlf("ab<br>|cd<br>|");
        QTest::newRow("last line without break") << crlf("ab|cd") << crlf("ab<br>|cd<br>");
        QTest::newRow("old breaks are dropped first") << crlf("a<br>b<br>|c") << crlf("ab<br>|c<br>");
        QTest::newRow("empty lines get theirs") << crlf("a||b|") << crlf("a<br>|<br>|b<br>|");
        QTest::newRow("lone line break") << crlf("|") << crlf("<br>|");
        QTest::newRow("lone LF and CR become CR LF")
            << QStringLiteral("a\nb\rc") << crlf("a<br>|b<br>|c<br>");
        QTest::newRow("upper-case BR is text") << crlf("a<BR>|") << crlf("a<BR><br>|");
        QTest::newRow("only a break tag") << crlf("<br>") << QString();
    }

    void setLineBreaks()
    {
        QFETCH(QString, selection);
        QFETCH(QString, expected);
        QCOMPARE(TextBuilders::setLineBreaks(selection), expected);
    }

    void setLineBreaksIsIdempotent_data() { setLineBreaks_data(); }

    void setLineBreaksIsIdempotent()
    {
        QFETCH(QString, selection);
        const QString once = TextBuilders::setLineBreaks(selection);
        QCOMPARE(TextBuilders::setLineBreaks(once), once);
    }

    void removeLineBreaks()
    {
        QCOMPARE(TextBuilders::removeLineBreaks(crlf("a<br>|b<BR>|<br><br>c<Br>")),
                 crlf("a|b<BR>|c<Br>"));
        QCOMPARE(TextBuilders::removeLineBreaks(QString()), QString());
        // Set and remove give back a text without break tags.
        QCOMPARE(TextBuilders::removeLineBreaks(TextBuilders::setLineBreaks(crlf("x|y|"))),
                 crlf("x|y|"));
    }

    void removeEmptyLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        QTest::newRow("three breaks collapse") << crlf("ab|||cd") << crlf("ab|cd") << 2;
        QTest::newRow("six characters stay") << crlf("a||b") << crlf("a||b") << -1;
        QTest::newRow("leading break goes") << crlf("|abc") << crlf("abc") << 0;
        QTest::newRow("leading run goes") << crlf("|||abc") << crlf("abc") << 0;
        QTest::newRow("run in the last four stays") << crlf("abc||") << crlf("abc||") << -1;
        QTest::newRow("run ending two before the end") << crlf("abc||d") << crlf("abc||d") << -1;
        QTest::newRow("run ending three before the end") << crlf("abc||de") << crlf("abc|de") << 3;
        QTest::newRow("several runs") << crlf("a||b|||c|d") << crlf("a|b|c|d") << 4;
        QTest::newRow("LF CR LF CR") << QStringLiteral("a\n\r\n\rbc") << QStringLiteral("a\n\rbc") << 1;
        QTest::newRow("empty") << QString() << QString() << -1;
        QTest::newRow("no empty line") << crlf("a|b|c|") << crlf("a|b|c|") << -1;
        QTest::newRow("only breaks") << crlf("||||") << crlf("|") << 0;
    }

    void removeEmptyLines()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        const EmptyLinesResult result = TextBuilders::removeEmptyLines(text);
        QCOMPARE(result.text, expected);
        QCOMPARE(result.caret, caret);
    }

    // The one-pass version gives what deleting two characters at a time in
    // place gives, on many small texts of line breaks and letters.
    void removeEmptyLinesMatchesDeletingInPlace()
    {
        const QChar alphabet[] = {u'\r', u'\n', u'x'};
        for (int length = 0; length <= 9; ++length) {
            int total = 1;
            for (int i = 0; i < length; ++i)
                total *= 3;
            for (int code = 0; code < total; ++code) {
                QString text;
                for (int i = 0, c = code; i < length; ++i, c /= 3)
                    text += alphabet[c % 3];
                QString naive = text;
                int caret = -1;
                for (int p = 1; p <= naive.size() - 5;) {
                    const QStringView four = QStringView(naive).mid(p - 1, 4);
                    if (four == QLatin1String("\r\n\r\n") || four == QLatin1String("\n\r\n\r")) {
                        naive.remove(p - 1, 2);
                        caret = p - 1;
                    } else {
                        ++p;
                    }
                }
                if (naive.startsWith(QLatin1String("\r\n")) || naive.startsWith(QLatin1String("\n\r"))) {
                    naive.remove(0, 2);
                    caret = 0;
                }
                const EmptyLinesResult fast = TextBuilders::removeEmptyLines(text);
                if (fast.text != naive || fast.caret != caret)
                    QFAIL(qPrintable(QStringLiteral("differs for %1").arg(QString::fromLatin1(text.toUtf8().toPercentEncoding()))));
            }
        }
    }

    // The edits turn the old text into the new one, in order, never between
    // the CR and LF of a break; the commands' own changes stay small edits.
    void textEditsTurnBeforeIntoAfter()
    {
        QStringList samples = {QString(), crlf("a"), crlf("|"), crlf("ab|cd|"), crlf("a<br>|b<BR>||c"),
                               crlf("||x|||y||"), crlf("<br><br>|<br>"), crlf("a<b<br>r>c|d"),
                               crlf("|||||"), crlf("x<br>")};
        QString big;
        for (int i = 0; i < 300; ++i)
            big += (i % 3 ? QStringLiteral("row %1<br>").arg(i) : QString()) + crlf(i % 7 ? "|" : "||");
        samples << big;
        auto check = [](const QString &before, const QString &after) {
            QString problem;
            const int count = applyEdits(before, after, &problem);
            if (!problem.isEmpty())
                qWarning("%s", qPrintable(problem));
            return problem.isEmpty() ? count : -1;
        };
        for (const QString &sample : std::as_const(samples)) {
            QVERIFY(check(sample, TextBuilders::setLineBreaks(sample)) >= 0);
            QVERIFY(check(sample, TextBuilders::removeLineBreaks(sample)) >= 0);
            QVERIFY(check(sample, TextBuilders::removeEmptyLines(sample).text) >= 0);
            for (const QString &other : std::as_const(samples))
                QVERIFY(check(sample, other) >= 0);
        }
        // One small edit per line, not one for the whole text.
        QCOMPARE(check(crlf("ab|cd|ef|"), crlf("ab<br>|cd<br>|ef<br>|")), 3);
        QCOMPARE(check(crlf("a||b|||c"), crlf("a|b|c")), 2);
        QCOMPARE(check(crlf("a<br>b<br>"), crlf("ab")), 2);
        QCOMPARE(check(crlf("same"), crlf("same")), 0);
        // Changes inside a break are made on the whole break.
        const auto edits = TextBuilders::textEdits(QStringLiteral("a\r\nb"), QStringLiteral("a\r-\nb"));
        QCOMPARE(int(edits.size()), 1);
        QCOMPARE(edits[0].position, qsizetype(1));
    }

    void specialCharacters()
    {
        const auto &groups = specialCharacterGroups();
        QCOMPARE(int(groups.size()), 6);
        const char *names[] = {"Special1", "French1", "Spanish1", "German1", "Danish1", "Others1"};
        const int sizes[] = {25, 32, 8, 9, 6, 11};
        int total = 0;
        for (size_t i = 0; i < groups.size(); ++i) {
            QCOMPARE(QLatin1String(groups[i].name), QLatin1String(names[i]));
            QCOMPARE(int(groups[i].characters.size()), sizes[i]);
            total += int(groups[i].characters.size());
        }
        QCOMPARE(total, 91);
        QCOMPARE(groups[0].characters, QStringLiteral(u"@{}[]¹²³\\#^°µ~|¼½¾ª§¦©®±£"));
        QCOMPARE(groups[1].characters, QStringLiteral(u"ÀàÁáÂâÇçÈèÉéÊêÌìÍíÎîÒòÓóÔôÙùÚúÛû"));
        QCOMPARE(groups[2].characters, QStringLiteral(u"¡¿ÃãÑñÕõ"));
        QCOMPARE(groups[3].characters, QStringLiteral(u"ÄäËëÖöÜüß"));
        QCOMPARE(groups[4].characters, QStringLiteral(u"ÆæØøÅå"));
        QCOMPARE(groups[5].characters, QStringLiteral(u"¢¤¥«»¬¶ÐðÞþ"));
        // Every one is a Windows-1252 character: the micro sign, not Greek mu.
        QVERIFY(groups[0].characters.contains(QChar(0x00B5)));
        for (const auto &group : groups) {
            for (QChar c : group.characters)
                QVERIFY(c.unicode() < 0x100);
        }
        QVERIFY(!groups[0].separatorBefore);
        QVERIFY(groups[1].separatorBefore);
        QVERIFY(groups[5].separatorBefore);
    }

    void scriptTemplates()
    {
        const QString detect = SnippetTexts::detectMemoText();
        QCOMPARE(detect.size(), 919);
        QCOMPARE(countOf(detect, QStringLiteral("\r\n")), 16);
        QVERIFY(detect.endsWith(QLatin1String("</script>\r\n")));
        QVERIFY(detect.contains(QLatin1String("var locNS4='';      //fill")));
        QVERIFY(detect.contains(QLatin1String("var locIE4= '';      //fill")));
        QVERIFY(detect.contains(QLatin1String("var locNS3='';     //fill")));
        QVERIFY(detect.contains(QLatin1String("var locIE3='';      //fill")));
        QVERIFY(detect.contains(QLatin1String("var other='';        //fill")));
        const QString size = SnippetTexts::sizeMemoText();
        QCOMPARE(size.size(), 382);
        QCOMPARE(countOf(size, QStringLiteral("\r\n")), 10);
    }

    void javascriptCarets_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("Link/Statusbar") << 0 << "LinkStatusbar1" << "onMouseOver=\"window.status='"
                                        << "'; return true\" onMouseOut";
        QTest::newRow("Click/Frameload") << 1 << "ClickFrameload1" << "parent.frames[" << "].location='';";
        QTest::newRow("Frame breakout") << 2 << "Framebreakout1" << "top.location = location;" << "";
        QTest::newRow("Image flip") << 3 << "Imageflip1" << "onMouseOver=\"document." << ".src=''";
        QTest::newRow("noerror") << 4 << "Javasriptnoerror1" << "window.onerror=noerror;" << "";
        QTest::newRow("Browser detect") << 5 << "Browserdetect1" << "<script>\r\n<!--\r\nvar locNS4='"
                                        << "';      //fill";
        QTest::newRow("Size detect") << 6 << "Sizedetect1" << "</script>\r\n" << "";
    }

    void javascriptCarets()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, before);
        QFETCH(QString, after);
        const auto &snippet = SnippetTexts::javascriptSnippets().at(size_t(index));
        QCOMPARE(QLatin1String(snippet.name), name);
        const int caret = int(snippet.text.size()) - snippet.caretBack;
        QVERIFY(snippet.text.left(caret).endsWith(before));
        QVERIFY(snippet.text.mid(caret).startsWith(after));
        if (after.isEmpty())
            QCOMPARE(caret, int(snippet.text.size()));
    }

    void javascriptTexts()
    {
        const auto &s = SnippetTexts::javascriptSnippets();
        QCOMPARE(int(s.size()), 7);
        QCOMPARE(s[0].text.indexOf(QLatin1String("''")), 27);
        QCOMPARE(int(s[0].text.size()) - s[0].caretBack, 28);
        QCOMPARE(s[4].text, QStringLiteral("function noerror() {\r\nreturn true;\r\n}\r\nwindow.onerror=noerror;"));
        QCOMPARE(int(s[5].text.size()) - s[5].caretBack, 28);
        const char *shortcuts[] = {"Ctrl+Shift+1", "Ctrl+Shift+2", "Ctrl+Shift+3", "Ctrl+Shift+4",
                                   "Ctrl+Shift+5", "Ctrl+Shift+6", "Ctrl+Shift+7"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(QLatin1String(s[size_t(i)].shortcut), QLatin1String(shortcuts[i]));
    }

    void linkBlock()
    {
        const QString block = SnippetTexts::linkBlock();
        const QStringList lines = block.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("<center>"));
        QCOMPARE(lines[2], QStringLiteral("</center>"));
        QVERIFY(!block.contains(QLatin1Char('%')));
        QCOMPARE(lines[1],
                 QStringLiteral("<a style=\"text-decoration: none\" href=\"")
                     + QLatin1String(SnippetTexts::ProductPage)
                     + QStringLiteral("\" target=\"_top\" onMouseOver=\"window.status='The home of "
                                      "Markvale'; return true\" onMouseOut=\"window.status=''; return "
                                      "true\"><img src=\"")
                     + QLatin1String(SnippetTexts::BannerImage)
                     + QStringLiteral("\" border=\"0\" height=\"68\" width=\"460\" alt=\"")
                     + QLatin1String(SnippetTexts::BannerFile)
                     + QStringLiteral("\"><br>The home of Markvale</a>"));
    }

    void layerScriptForTwoLayers()
    {
        const QString script =
            SnippetTexts::layerScript(2, {QStringLiteral("100"), QStringLiteral("200"),
                                          QStringLiteral("10"), QStringLiteral("20")});
        const QStringList expected = {
            "<script>",
            "<!--",
            "if (navigator.appName == \"Netscape\") {",
            "   document.write('<LAYER NAME=\"layer1\" VISIBILITY=\"hide\" WIDTH=\"200\" HEIGHT=\"100\" TOP=\"10\" LEFT=\"20\"></LAYER>');",
            "   document.write('<LAYER NAME=\"layer2\" VISIBILITY=\"hide\" WIDTH=\"200\" HEIGHT=\"100\" TOP=\"10\" LEFT=\"20\"></LAYER>');",
            "   }",
            "function showlayer(nr) {",
            "if (navigator.appName == \"Netscape\" ) {",
            "   if (nr == 'layer1') document.layer1.visibility= 'show';",
            "   if (nr == 'layer2') document.layer2.visibility= 'show';",
            "   }",
            "if (navigator.appName == \"Microsoft Internet Explorer\") {",
            "   if (nr == 'layer1') document.body.insertAdjacentHTML('BeforeEnd', '<DIV STYLE=\"position:absolute; TOP:10px; LEFT:20px;height:100;width:200\" ID=\"layer1\"></DIV>');",
            "   if (nr == 'layer2') document.body.insertAdjacentHTML('BeforeEnd', '<DIV STYLE=\"position:absolute; TOP:10px; LEFT:20px;height:100;width:200\" ID=\"layer2\"></DIV>');",
            "   }",
            "}",
            "function hidelayer(nr) {",
            "if (navigator.appName == \"Netscape\") {",
            "   if (nr == 'layer1') document.layer1.visibility= 'hide';",
            "   if (nr == 'layer2') document.layer2.visibility= 'hide';",
            "   }",
            "if (navigator.appName == \"Microsoft Internet Explorer\") {",
            "   if (nr == 'layer1') {",
            "      layer1.innerHTML = '';",
            "      layer1.outerHTML = '';",
            "      }",
            "   if (nr == 'layer2') {",
            "      layer2.innerHTML = '';",
            "      layer2.outerHTML = '';",
            "      }",
            "   }",
            "}",
            "//-->",
            "</script>",
        };
        QCOMPARE(script, expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }

    void layerScriptSkipped()
    {
        const QString script = SnippetTexts::layerScript(1, {});
        QVERIFY(script.contains(QLatin1String(
            "<LAYER NAME=\"layer1\" VISIBILITY=\"hide\" WIDTH=\"\" HEIGHT=\"\" TOP=\"\" LEFT=\"\"></LAYER>")));
        QVERIFY(script.contains(QLatin1String("STYLE=\"position:absolute; TOP:px; LEFT:px;height:;width:\" ID=\"layer1\"")));
    }

    void layerScriptWithoutLayers()
    {
        const QStringList skeleton = {
            "<script>", "<!--", "if (navigator.appName == \"Netscape\") {", "   }",
            "function showlayer(nr) {", "if (navigator.appName == \"Netscape\" ) {", "   }",
            "if (navigator.appName == \"Microsoft Internet Explorer\") {", "   }", "}",
            "function hidelayer(nr) {", "if (navigator.appName == \"Netscape\") {", "   }",
            "if (navigator.appName == \"Microsoft Internet Explorer\") {", "   }", "}", "//-->",
            "</script>",
        };
        const QString expected = skeleton.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        QCOMPARE(SnippetTexts::layerScript(0, {}), expected);
        QCOMPARE(SnippetTexts::layerScript(-5, {}), expected);
    }

    void layerScriptLineCount()
    {
        const QString script = SnippetTexts::layerScript(SnippetTexts::MaxLayers, {});
        QCOMPARE(countOf(script, QStringLiteral("\r\n")), 18 + 8 * SnippetTexts::MaxLayers);
        QVERIFY(script.contains(QLatin1String("layer1000.outerHTML")));
    }

    void geometryLimit_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("sum 4999") << QStringList{"2000", "2000", "999", "0"} << true;
        QTest::newRow("sum 5000") << QStringList{"2000", "2000", "1000", "0"} << false;
        QTest::newRow("text") << QStringList{"100", "abc", "1", "1"} << false;
        QTest::newRow("empty") << QStringList{"100", "", "1", "1"} << false;
        QTest::newRow("blanks and signs") << QStringList{" 100", "+2", "-3", "$10"} << true;
        QTest::newRow("huge") << QStringList{"99999999999", "0", "0", "0"} << false;
        QTest::newRow("negatives cancel")
            << QStringList{"2147483647", "-2147483647", "0", "0"} << true;
    }

    void geometryLimit()
    {
        QFETCH(QStringList, values);
        QFETCH(bool, acceptable);
        QCOMPARE(SnippetTexts::geometryAcceptable({values[0], values[1], values[2], values[3]}),
                 acceptable);
    }

    // Inserting a slot around a selection and then moving the caret back as
    // the command does leaves it at the position saved in the opening text.
    void definedTagKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<int>("savedCaret");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("InLine, caret before >")
            << 1 << "<B>" << "</B>" << 2 << "word" << "<B>word</B>" << 2;
        QTest::newRow("InLine, caret at end") << 1 << "<B>" << "</B>" << 3 << "" << "<B></B>" << 3;
        QTest::newRow("OneLine, caret at end of opening")
            << 2 << "<li>" << "</li>" << 4 << "item" << "<li>item</li>\r\n" << 4;
        QTest::newRow("OneLine, caret inside") << 2 << "<p x>" << "</p>" << 3 << "" << "<p x></p>\r\n" << 3;
        QTest::newRow("Section, caret at end of opening")
            << 3 << "<ul>" << "</ul>" << 4 << "body" << "<ul>\r\nbody\r\n</ul>" << 6;
        QTest::newRow("Section, caret inside")
            << 3 << "<div x>" << "</div>" << 5 << "b" << "<div x>\r\nb\r\n</div>" << 5;
        QTest::newRow("Section, caret at start") << 3 << "<ul>" << "</ul>" << 0 << "" << "<ul>\r\n\r\n</ul>" << 0;
    }

    void definedTagKinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, opening);
        QFETCH(QString, closing);
        QFETCH(int, savedCaret);
        QFETCH(QString, selection);
        QFETCH(QString, text);
        QFETCH(int, caret);
        DefinedTag tag;
        tag.DefOpen = opening;
        tag.DefClose = closing;
        tag.DefStat = kind;
        tag.DefBack = DefinedTagText::back(DefinedTagText::Kind(kind), opening, closing, savedCaret);
        const auto insertion = DefinedTagText::insertion(tag, selection);
        QVERIFY(insertion);
        QCOMPARE(insertion->text, text);
        QCOMPARE(int(insertion->text.size()) - int(selection.size()) - insertion->caretBack, caret);
    }

    void definedTagForeignKinds()
    {
        DefinedTag tag;
        tag.DefOpen = QStringLiteral("<b>");
        for (int kind : {0, 4, 7, -1}) {
            tag.DefStat = kind;
            QVERIFY(!DefinedTagText::insertion(tag, QStringLiteral("x")));
        }
    }
};

QTEST_GUILESS_MAIN(TestTextBuilders)
#include "tst_textbuilders.moc"
