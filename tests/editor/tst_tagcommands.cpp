#include "colormemo/colormemo.h"
#include "editor/attributepopups.h"
#include "editor/editform.h"
#include "editor/tagtext.h"
#include "mainwindowfixture.h"
#include "scriptedprompts.h"
#include "settings/tagtable.h"
#include "shell/mainform.h"
#include "testconfig.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString CRLF = QStringLiteral("\r\n");

// Expected texts are written as parts, in which "CRLF" and "sel"
// stand for a line break and the selection.
QString joined(const QStringList &parts, const QString &selection)
{
    QString text;
    for (const QString &part : parts)
        text += part == QLatin1String("CRLF") ? CRLF : part == QLatin1String("sel") ? selection : part;
    return text;
}

const QSet<int> SingleTags = {2,  10, 12, 13, 19, 21, 22, 23, 24, 25, 26, 27, 28, 32, 45,
                              59, 68, 69, 70, 71, 72, 73, 74, 75, 78, 79, 80, 81, 84};

QMenu *openPopup()
{
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}


} // namespace

// Tag insertion and the attribute menus in a real editor window of the main
// window; dialogs are scripted and the menus are driven through their actions.
class TestTagCommands : public QObject, private MainWindowFixture
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    Teditform *editor = nullptr;

    TColorMemo *memo() const { return editor->memo(); }
    QAction *action(const char *name) const { return editor->findChild<QAction *>(QLatin1String(name)); }
    void setAttributeMode(bool on) { editor->commands().tagTemplates->setChecked(on); }

    void setText(const QString &text, int selStart, int selLength)
    {
        memo()->SetText(text);
        memo()->SetSelStart(selStart);
        memo()->SetSelLength(selLength);
    }

    // Chooses an item of the attribute menu that is open now.
    void choose(const char *menu, const char *item)
    {
        QMenu *popup = openPopup();
        QVERIFY2(popup, menu);
        QCOMPARE(popup->objectName(), QLatin1String(menu));
        QAction *chosen = popup->findChild<QAction *>(QLatin1String(item));
        QVERIFY2(chosen, item);
        chosen->trigger();
    }

    QString picture(const char *name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(QLatin1String(name));
        writeTestFile(path, bytes);
        return path;
    }

    static QByteArray encoded(int width, int height, const char *format)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::yellow);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter(&buffer, format).write(image);
        return bytes;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(startMainWindow());
    }

    void init()
    {
        main->newBlankDocument();
        editor = main->activeEditor();
        QVERIFY(editor);
    }

    void cleanup()
    {
        if (QMenu *popup = openPopup())
            popup->hide();
        QCOMPARE(prompts->pending(), 0);
        editor->closeWithoutQuery();
    }

    void cleanupTestCase() { stopMainWindow(); }

    void tableMode_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("caret");
        QTest::newRow("Body1") << 0 << "F1" << "pair" << 16;
        QTest::newRow("Frameset1") << 1 << "F2" << "pair" << 16;
        QTest::newRow("Frame1") << 2 << "F3" << "single" << 12;
        QTest::newRow("Noframes1") << 3 << "F4" << "pair" << 12;
        QTest::newRow("Table1") << 4 << "F5" << "pair" << 15;
        QTest::newRow("TR1") << 5 << "F6" << "pair" << 6;
        QTest::newRow("TD1") << 6 << "F7" << "pair" << 11;
        QTest::newRow("TH1") << 7 << "Shift+Alt+F9" << "pair" << 11;
        QTest::newRow("TFoot1") << 8 << "Shift+Alt+F10" << "pair" << 14;
        QTest::newRow("Caption1") << 9 << "Shift+Alt+F11" << "pair" << 11;
        QTest::newRow("Link1") << 11 << "F9" << "pair inline" << 9;
        QTest::newRow("Jumplink1") << 12 << "F10" << "single" << 9;
        QTest::newRow("Embed1") << 13 << "Shift+Alt+F7" << "single" << 12;
        QTest::newRow("Noembed1") << 14 << "Shift+Alt+F8" << "pair" << 11;
        QTest::newRow("Script1") << 15 << "F11" << "pair wrap" << 16;
        QTest::newRow("Noscript1") << 16 << "Ctrl+Shift+F5" << "pair" << 12;
        QTest::newRow("Comment1") << 17 << "F12" << "pair" << 6;
        QTest::newRow("Applet1") << 18 << "Ctrl+Shift+F1" << "pair" << 14;
        QTest::newRow("Param1") << 19 << "Ctrl+Shift+F2" << "single" << 13;
        QTest::newRow("Object1") << 20 << "Ctrl+Shift+F4" << "pair" << 15;
        QTest::newRow("Description1") << 21 << "Ctrl+Alt+F1" << "single" << 34;
        QTest::newRow("Keywords1") << 22 << "Ctrl+Alt+F2" << "single" << 31;
        QTest::newRow("Author1") << 23 << "Ctrl+Alt+F3" << "single" << 29;
        QTest::newRow("Copyright1") << 24 << "Ctrl+Alt+F4" << "single" << 32;
        QTest::newRow("Language1") << 25 << "Ctrl+Alt+F5" << "single" << 31;
        QTest::newRow("Refresh1") << 26 << "Ctrl+Alt+F6" << "single" << 36;
        QTest::newRow("Basetarget1") << 27 << "Ctrl+Alt+F7" << "single" << 14;
        QTest::newRow("Basefont1") << 28 << "Ctrl+Alt+F8" << "single" << 16;
        QTest::newRow("B1") << 29 << "Ctrl+F1" << "pair inline" << 3;
        QTest::newRow("Blockquote1") << 30 << "Ctrl+F2" << "pair" << 14;
        QTest::newRow("big1") << 31 << "Shift+F3" << "pair inline" << 5;
        QTest::newRow("Br1") << 32 << "Shift+F10" << "single inline" << 4;
        QTest::newRow("Center1") << 33 << "Ctrl+F5" << "pair" << 10;
        QTest::newRow("Cite1") << 34 << "Ctrl+Shift+Alt+F4" << "pair" << 8;
        QTest::newRow("Code1") << 35 << "Ctrl+Shift+Alt+F5" << "pair" << 8;
        QTest::newRow("Dir1") << 36 << "Ctrl+Shift+Alt+F6" << "pair" << 7;
        QTest::newRow("Em1") << 37 << "Ctrl+Shift+Alt+F1" << "pair inline" << 4;
        QTest::newRow("Font1") << 38 << "Ctrl+F3" << "pair inline" << 13;
        QTest::newRow("H11") << 39 << "Ctrl+F7" << "pair inline after" << 4;
        QTest::newRow("H21") << 40 << "Ctrl+F8" << "pair inline after" << 4;
        QTest::newRow("H31") << 41 << "Ctrl+F9" << "pair inline after" << 4;
        QTest::newRow("H41") << 42 << "Ctrl+F10" << "pair inline after" << 4;
        QTest::newRow("H51") << 43 << "Ctrl+F11" << "pair inline after" << 4;
        QTest::newRow("H61") << 44 << "Ctrl+F12" << "pair inline after" << 4;
        QTest::newRow("Hr1") << 45 << "Shift+F11" << "single" << 11;
        QTest::newRow("I1") << 46 << "Shift+F1" << "pair inline" << 3;
        QTest::newRow("Menu1") << 47 << "Ctrl+Shift+Alt+F7" << "pair" << 8;
        QTest::newRow("Multicol1") << 48 << "Shift+F12" << "pair" << 16;
        QTest::newRow("Nobr1") << 49 << "Ctrl+Shift+Alt+F8" << "pair" << 8;
        QTest::newRow("Paragraph1") << 50 << "Shift+F9" << "pair" << 10;
        QTest::newRow("Pre1") << 51 << "Ctrl+Shift+Alt+F9" << "pair" << 7;
        QTest::newRow("Strikethrough1") << 52 << "Shift+F8" << "pair inline" << 3;
        QTest::newRow("Samp1") << 53 << "Ctrl+Shift+Alt+F10" << "pair inline" << 6;
        QTest::newRow("Small1") << 54 << "Shift+F4" << "pair inline" << 7;
        QTest::newRow("Strong1") << 55 << "Shift+F5" << "pair inline" << 8;
        QTest::newRow("Sub1") << 56 << "Shift+F6" << "pair inline" << 5;
        QTest::newRow("Sup1") << 57 << "Shift+F7" << "pair inline" << 5;
        QTest::newRow("TT1") << 58 << "Ctrl+Shift+Alt+F3" << "pair inline" << 4;
        QTest::newRow("Wbr1") << 59 << "Ctrl+Shift+Alt+F11" << "single" << 7;
        QTest::newRow("Xmp1") << 60 << "Shift+Alt+F12" << "pair inline" << 5;
        QTest::newRow("Numberedlist1") << 61 << "Ctrl+Shift+F7" << "pair" << 6;
        QTest::newRow("Bulletedlist1") << 62 << "Ctrl+Shift+F8" << "pair" << 6;
        QTest::newRow("Listitem1") << 63 << "Ctrl+Shift+F9" << "pair inline after" << 4;
        QTest::newRow("Definitionlist1") << 64 << "Ctrl+Shift+F10" << "pair" << 6;
        QTest::newRow("Definitionterm1") << 65 << "Ctrl+Shift+F11" << "pair inline after" << 4;
        QTest::newRow("Definitionitem1") << 66 << "Ctrl+Shift+F12" << "pair inline after" << 4;
        QTest::newRow("Form1") << 67 << "Alt+F1" << "pair" << 14;
        QTest::newRow("Text1") << 68 << "Alt+F7" << "single" << 25;
        QTest::newRow("Hidden1") << 69 << "Alt+F8" << "single" << 27;
        QTest::newRow("Submit1") << 70 << "Alt+F9" << "single" << 27;
        QTest::newRow("Reset1") << 71 << "Alt+F10" << "single" << 26;
        QTest::newRow("Radio1") << 72 << "Alt+F11" << "single" << 26;
        QTest::newRow("Checkbox1") << 73 << "Alt+F12" << "single" << 29;
        QTest::newRow("Image2") << 74 << "Shift+Alt+F1" << "single" << 25;
        QTest::newRow("Button1") << 75 << "Shift+Alt+F2" << "single" << 27;
        QTest::newRow("Textarea1") << 76 << "Alt+F2" << "pair" << 16;
        QTest::newRow("Select1") << 77 << "Alt+F3" << "pair" << 14;
        QTest::newRow("Option1") << 78 << "Alt+F4" << "single" << 14;
        QTest::newRow("Dropdownmenu1") << 80 << "Alt+F5" << "single" << 28;
        QTest::newRow("Link2") << 81 << "Ctrl+Alt+F9" << "single" << 45;
        QTest::newRow("Span1") << 82 << "Ctrl+Alt+F10" << "pair inline" << 13;
        QTest::newRow("Stylehead1") << 83 << "Ctrl+Alt+F11" << "pair wrap" << 15;
        QTest::newRow("Stylebody1") << 84 << "Ctrl+Alt+F12" << "single inline" << 8;
        QTest::newRow("Underline1") << 85 << "Shift+F2" << "pair inline" << 3;
    }
    void tableMode()
    {
        QFETCH(int, tag);
        QFETCH(QString, shortcut);
        QFETCH(QString, kind);
        QFETCH(int, caret);
        QAction *item = action(QTest::currentDataTag());
        QVERIFY(item);
        QVERIFY(item->shortcuts().contains(QKeySequence(shortcut)));

        const TagTemplate &entry = TagTable()[size_t(tag)];
        const QString word = QStringLiteral("word");
        const auto expected = [&](const QString &s) {
            const QStringList k = kind.split(QLatin1Char(' '));
            QString text;
            if (k.contains(QLatin1String("single")))
                text = k.contains(QLatin1String("inline")) ? entry.open : entry.open + CRLF;
            else if (k.contains(QLatin1String("inline")))
                text = entry.open + s + entry.close;
            else if (k.contains(QLatin1String("wrap")))
                text = entry.open + CRLF + "<!--" + CRLF + s + CRLF + "-->" + CRLF + entry.close;
            else
                text = entry.open + CRLF + s + CRLF + entry.close;
            return k.contains(QLatin1String("after")) ? text + CRLF : text;
        };

        // After some text, so offsets count from the insertion.
        setText(QStringLiteral("ab"), 2, 0);
        item->trigger();
        QCOMPARE(memo()->Text(), "ab" + expected(QString()));
        QCOMPARE(memo()->SelStart(), 2 + caret);
        QVERIFY(editor->commands().undo->isEnabled());

        setText(word, 0, 4);
        item->trigger();
        if (kind.startsWith(QLatin1String("single"))) {
            QCOMPARE(memo()->Text(), word);
            QCOMPARE(memo()->SelLength(), 4);
        } else {
            QCOMPARE(memo()->Text(), expected(word));
            QCOMPARE(memo()->SelStart(), caret);
        }
        QVERIFY(!openPopup());
    }

    void attributeMode_data()
    {
        QTest::addColumn<int>("tag");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("stop");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("menu");
        QTest::newRow("Body1") << 0 << QStringList{"<BODY>", "CRLF", "sel", "CRLF", "</BODY>"} << 5 << 8 << 0 << "bodypu";
        QTest::newRow("Frameset1") << 1 << QStringList{"<FRAMESET>", "CRLF", "sel", "CRLF", "</FRAMESET>"} << 9 << 12 << 0 << "framesetpu";
        QTest::newRow("Frame1") << 2 << QStringList{"<FRAME src=\"\">", "CRLF", "sel"} << 13 << 12 << 1 << "framepu";
        QTest::newRow("Noframes1") << 3 << QStringList{"<NOFRAMES>", "CRLF", "sel", "CRLF", "</NOFRAMES>"} << 12 << -1 << 0 << "";
        QTest::newRow("Table1") << 4 << QStringList{"<TABLE>", "CRLF", "sel", "CRLF", "</TABLE>"} << 6 << 9 << 0 << "tablepu";
        QTest::newRow("TR1") << 5 << QStringList{"<TR>", "CRLF", "sel", "CRLF", "</TR>"} << 3 << 6 << 0 << "trpu";
        QTest::newRow("TD1") << 6 << QStringList{"<TD>", "CRLF", "sel", "CRLF", "</TD>"} << 3 << 6 << 0 << "tdpu";
        QTest::newRow("TH1") << 7 << QStringList{"<TH>", "CRLF", "sel", "CRLF", "</TH>"} << 3 << 6 << 0 << "tdpu";
        QTest::newRow("TFoot1") << 8 << QStringList{"<TFOOT>", "CRLF", "sel", "CRLF", "</TFOOT>"} << 6 << 9 << 0 << "tfootpu";
        QTest::newRow("Caption1") << 9 << QStringList{"<CAPTION>", "CRLF", "sel", "CRLF", "</CAPTION>"} << 8 << 11 << 0 << "captionpu";
        QTest::newRow("Link1") << 11 << QStringList{"<A href=\"\">", "sel", "</A>", "CRLF"} << 10 << 9 << 1 << "apu";
        QTest::newRow("Jumplink1") << 12 << QStringList{"<A name=\"\">&nbsp;</A>", "CRLF", "sel"} << 9 << -1 << 0 << "";
        QTest::newRow("Embed1") << 13 << QStringList{"<EMBED src=\"\">", "CRLF", "sel"} << 13 << 12 << 1 << "embedpu";
        QTest::newRow("Noembed1") << 14 << QStringList{"<NOEMBED>", "CRLF", "sel", "CRLF", "</NOEMBED>"} << 11 << -1 << 0 << "";
        QTest::newRow("Script1") << 15 << QStringList{"<SCRIPT>", "CRLF", "<!--", "CRLF", "sel", "CRLF", "-->", "CRLF", "</SCRIPT>"} << 7 << 16 << 0 << "scriptpu";
        QTest::newRow("Noscript1") << 16 << QStringList{"<NOSCRIPT>", "CRLF", "sel", "CRLF", "</NOSCRIPT>"} << 12 << -1 << 0 << "";
        QTest::newRow("Comment1") << 17 << QStringList{"<!--", "CRLF", "sel", "CRLF", "-->"} << 6 << -1 << 0 << "";
        QTest::newRow("Applet1") << 18 << QStringList{"<APPLET code=\"\">", "CRLF", "sel", "CRLF", "</APPLET>"} << 15 << 14 << 1 << "appletpu";
        QTest::newRow("Param1") << 19 << QStringList{"<PARAM name=\"\" value=\"\">", "CRLF", "sel"} << 13 << -1 << 0 << "";
        QTest::newRow("Object1") << 20 << QStringList{"<OBJECT>", "CRLF", "sel", "CRLF", "</OBJECT>"} << 7 << 10 << 0 << "objectpu";
        QTest::newRow("Description1") << 21 << QStringList{"<META name=\"DESCRIPTION\" content=\"\">", "CRLF", "sel"} << 34 << -1 << 0 << "";
        QTest::newRow("Keywords1") << 22 << QStringList{"<META name=\"KEYWORDS\" content=\"\">", "CRLF", "sel"} << 31 << -1 << 0 << "";
        QTest::newRow("Author1") << 23 << QStringList{"<META name=\"AUTHOR\" content=\"\">", "CRLF", "sel"} << 29 << -1 << 0 << "";
        QTest::newRow("Copyright1") << 24 << QStringList{"<META name=\"COPYRIGHT\" content=\"\">", "CRLF", "sel"} << 32 << -1 << 0 << "";
        QTest::newRow("Language1") << 25 << QStringList{"<META name=\"LANGUAGE\" content=\"\">", "CRLF", "sel"} << 31 << -1 << 0 << "";
        QTest::newRow("Refresh1") << 26 << QStringList{"<META http-equiv=\"refresh\" content=\"; url=\">", "CRLF", "sel"} << 36 << -1 << 0 << "";
        QTest::newRow("Basetarget1") << 27 << QStringList{"<BASE>", "CRLF", "sel"} << 5 << 8 << 0 << "basepu";
        QTest::newRow("Basefont1") << 28 << QStringList{"<BASEFONT>", "CRLF", "sel"} << 9 << 12 << 0 << "basefpu";
        QTest::newRow("B1") << 29 << QStringList{"<B>", "sel", "</B>"} << 3 << -1 << 0 << "";
        QTest::newRow("Blockquote1") << 30 << QStringList{"<BLOCKQUOTE>", "CRLF", "sel", "CRLF", "</BLOCKQUOTE>"} << 14 << -1 << 0 << "";
        QTest::newRow("big1") << 31 << QStringList{"<BIG>", "sel", "</BIG>"} << 5 << -1 << 0 << "";
        QTest::newRow("Br1") << 32 << QStringList{"<BR>", "CRLF", "sel"} << 3 << 6 << 0 << "brpu";
        QTest::newRow("Center1") << 33 << QStringList{"<CENTER>", "CRLF", "sel", "CRLF", "</CENTER>"} << 10 << -1 << 0 << "";
        QTest::newRow("Cite1") << 34 << QStringList{"<CITE>", "CRLF", "sel", "CRLF", "</CITE>"} << 8 << -1 << 0 << "";
        QTest::newRow("Code1") << 35 << QStringList{"<CODE>", "CRLF", "sel", "CRLF", "</CODE>"} << 8 << -1 << 0 << "";
        QTest::newRow("Dir1") << 36 << QStringList{"<DIR>", "CRLF", "sel", "CRLF", "</DIR>"} << 7 << -1 << 0 << "";
        QTest::newRow("Em1") << 37 << QStringList{"<EM>", "sel", "</EM>"} << 4 << -1 << 0 << "";
        QTest::newRow("Font1") << 38 << QStringList{"<FONT>", "sel", "</FONT>"} << 5 << 6 << 0 << "fontpu";
        QTest::newRow("H11") << 39 << QStringList{"<H1>", "sel", "</H1>", "CRLF"} << 3 << 4 << 0 << "hpu";
        QTest::newRow("H21") << 40 << QStringList{"<H2>", "sel", "</H2>", "CRLF"} << 3 << 4 << 0 << "hpu";
        QTest::newRow("H31") << 41 << QStringList{"<H3>", "sel", "</H3>", "CRLF"} << 3 << 4 << 0 << "hpu";
        QTest::newRow("H41") << 42 << QStringList{"<H4>", "sel", "</H4>", "CRLF"} << 3 << 4 << 0 << "hpu";
        QTest::newRow("H51") << 43 << QStringList{"<H5>", "sel", "</H5>", "CRLF"} << 3 << 4 << 0 << "hpu";
        QTest::newRow("H61") << 44 << QStringList{"<H6>", "sel", "</H6>", "CRLF"} << 3 << 4 << 0 << "hpu";
        QTest::newRow("Hr1") << 45 << QStringList{"<HR>", "CRLF", "sel"} << 3 << 6 << 0 << "hrpu";
        QTest::newRow("I1") << 46 << QStringList{"<I>", "sel", "</I>"} << 3 << -1 << 0 << "";
        QTest::newRow("Menu1") << 47 << QStringList{"<MENU>", "CRLF", "sel", "CRLF", "</MENU>"} << 8 << -1 << 0 << "";
        QTest::newRow("Multicol1") << 48 << QStringList{"<MULTICOL cols=\"\">", "CRLF", "sel", "CRLF", "</MULTICOL>"} << 17 << 16 << 1 << "multipu";
        QTest::newRow("Nobr1") << 49 << QStringList{"<NOBR>", "CRLF", "sel", "CRLF", "</NOBR>"} << 8 << -1 << 0 << "";
        QTest::newRow("Paragraph1") << 50 << QStringList{"<P>", "CRLF", "sel", "CRLF", "</P>"} << 2 << 5 << 0 << "ppu";
        QTest::newRow("Pre1") << 51 << QStringList{"<PRE>", "CRLF", "sel", "CRLF", "</PRE>"} << 4 << 7 << 0 << "prepu";
        QTest::newRow("Strikethrough1") << 52 << QStringList{"<S>", "sel", "</S>"} << 3 << -1 << 0 << "";
        QTest::newRow("Samp1") << 53 << QStringList{"<SAMP>", "CRLF", "sel", "CRLF", "</SAMP>"} << 8 << -1 << 0 << "";
        QTest::newRow("Small1") << 54 << QStringList{"<SMALL>", "sel", "</SMALL>"} << 7 << -1 << 0 << "";
        QTest::newRow("Strong1") << 55 << QStringList{"<STRONG>", "sel", "</STRONG>"} << 8 << -1 << 0 << "";
        QTest::newRow("Sub1") << 56 << QStringList{"<SUB>", "sel", "</SUB>"} << 5 << -1 << 0 << "";
        QTest::newRow("Sup1") << 57 << QStringList{"<SUP>", "sel", "</SUP>"} << 5 << -1 << 0 << "";
        QTest::newRow("TT1") << 58 << QStringList{"<TT>", "sel", "</TT>"} << 4 << -1 << 0 << "";
        QTest::newRow("Wbr1") << 59 << QStringList{"<WBR>", "CRLF", "sel"} << 7 << -1 << 0 << "";
        QTest::newRow("Xmp1") << 60 << QStringList{"<XMP>", "CRLF", "sel", "CRLF", "</XMP>"} << 7 << -1 << 0 << "";
        QTest::newRow("Numberedlist1") << 61 << QStringList{"<OL>", "CRLF", "sel", "CRLF", "</OL>"} << 3 << 6 << 0 << "olpu";
        QTest::newRow("Bulletedlist1") << 62 << QStringList{"<UL>", "CRLF", "sel", "CRLF", "</UL>"} << 3 << 6 << 0 << "ulpu";
        QTest::newRow("Listitem1") << 63 << QStringList{"<LI>", "sel", "</LI>"} << 3 << 4 << 0 << "lipu";
        QTest::newRow("Definitionlist1") << 64 << QStringList{"<DL>", "CRLF", "sel", "CRLF", "</DL>"} << 3 << 6 << 0 << "dlpu";
        QTest::newRow("Definitionterm1") << 65 << QStringList{"<DT>", "sel", "</DT>"} << 4 << -1 << 0 << "";
        QTest::newRow("Definitionitem1") << 66 << QStringList{"<DD>", "sel", "</DD>"} << 4 << -1 << 0 << "";
        QTest::newRow("Form1") << 67 << QStringList{"<FORM>", "CRLF", "sel", "CRLF", "</FORM>"} << 5 << 8 << 0 << "formpu";
        QTest::newRow("Text1") << 68 << QStringList{"<INPUT type=\"text\">", "CRLF", "sel"} << 18 << 21 << 0 << "textpu";
        QTest::newRow("Hidden1") << 69 << QStringList{"<INPUT type=\"hidden\" name=\"\">", "CRLF", "sel"} << 28 << 27 << 1 << "hiddenpu";
        QTest::newRow("Submit1") << 70 << QStringList{"<INPUT type=\"submit\">", "CRLF", "sel"} << 20 << 23 << 0 << "submitpu";
        QTest::newRow("Reset1") << 71 << QStringList{"<INPUT type=\"reset\">", "CRLF", "sel"} << 19 << 22 << 0 << "submitpu";
        QTest::newRow("Radio1") << 72 << QStringList{"<INPUT type=\"radio\">", "CRLF", "sel"} << 19 << 22 << 0 << "radiopu";
        QTest::newRow("Checkbox1") << 73 << QStringList{"<INPUT type=\"checkbox\">", "CRLF", "sel"} << 22 << 25 << 0 << "radiopu";
        QTest::newRow("Image2") << 74 << QStringList{"<INPUT type=\"image\" src=\"\">", "CRLF", "sel"} << 26 << 25 << 1 << "imagepu";
        QTest::newRow("Button1") << 75 << QStringList{"<INPUT type=\"button\">", "CRLF", "sel"} << 20 << 23 << 0 << "submitpu";
        QTest::newRow("Textarea1") << 76 << QStringList{"<TEXTAREA>", "CRLF", "sel", "CRLF", "</TEXTAREA>"} << 9 << 12 << 0 << "textapu";
        QTest::newRow("Select1") << 77 << QStringList{"<SELECT>", "CRLF", "sel", "CRLF", "</SELECT>"} << 7 << 10 << 0 << "selpu";
        QTest::newRow("Option1") << 78 << QStringList{"<OPTION value=\"\">", "sel"} << 16 << 15 << 0 << "oppu";
        QTest::newRow("Dropdownmenu1") << 80 << QStringList{"<INPUT type=\"submit\" value=\"\" onClick=\"location.href=document...options[document...selectedindex].value; return true\">", "CRLF", "sel"} << 28 << -1 << 0 << "";
        QTest::newRow("Link2") << 81 << QStringList{"<LINK rel=\"StyleSheet\" type=\"text/css\" href=\"\">", "CRLF", "sel"} << 45 << -1 << 0 << "";
        QTest::newRow("Span1") << 82 << QStringList{"<SPAN>", "sel", "</SPAN>", "CRLF"} << 5 << 6 << 0 << "spanpu";
        QTest::newRow("Stylehead1") << 83 << QStringList{"<STYLE>", "CRLF", "<!--", "CRLF", "sel", "CRLF", "-->", "CRLF", "</STYLE>"} << 15 << -1 << 0 << "";
        QTest::newRow("Stylebody1") << 84 << QStringList{"style=\"\"", "sel"} << 7 << -1 << 0 << "";
        QTest::newRow("Underline1") << 85 << QStringList{"<U>", "sel", "</U>"} << 3 << -1 << 0 << "";
    }
    void attributeMode()
    {
        QFETCH(int, tag);
        QFETCH(QStringList, parts);
        QFETCH(int, caret);
        QFETCH(int, stop);
        QFETCH(int, count);
        QFETCH(QString, menu);
        setAttributeMode(true);
        const QString selection = SingleTags.contains(tag) ? QString() : QStringLiteral("word");
        setText("x" + CRLF + selection, 3, int(selection.size()));
        tagState().AttributeCount = 7;
        tagState().StopPosition = -5;

        action(QTest::currentDataTag())->trigger();
        QCOMPARE(memo()->Text(), "x" + CRLF + joined(parts, selection));
        QCOMPARE(memo()->SelStart(), 3 + caret);
        QCOMPARE(tagState().AttributeCount, count);
        if (menu.isEmpty()) {
            QVERIFY(!openPopup());
            QCOMPARE(tagState().StopPosition, -5);
            return;
        }
        QVERIFY(openPopup());
        QCOMPARE(openPopup()->objectName(), menu);
        QCOMPARE(openPopup()->pos(), main->mapToGlobal(QPoint(main->width() - 150, 100)));
        choose(qPrintable(menu), "Stop1");
        QCOMPARE(memo()->SelStart(), 3 + stop);
        QVERIFY(!openPopup());
    }

    void attributeSequences_data()
    {
        QTest::addColumn<QString>("tagItem");
        QTest::addColumn<QStringList>("choices"); // items of the menu that opens, Stop last
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::newRow("body, bgcolor, text") << "Body1" << QStringList{"Bgcolor1", "Text2", "Stop1"}
                                             << "<BODY bgcolor=\"#\" text=\"#\">\r\n\r\n</BODY>" << 16;
        QTest::newRow("body, link colours") << "Body1" << QStringList{"Linkcolors1", "Stop1"}
                                            << "<BODY link=\"#\" alink=\"#\" vlink=\"#\">\r\n\r\n</BODY>" << 13;
        QTest::newRow("table, stop at once") << "Table1" << QStringList{"Stop1"}
                                             << "<TABLE>\r\n\r\n</TABLE>" << 9;
        QTest::newRow("link keeps its href first") << "Link1" << QStringList{"Target1", "Stop1"}
                                                   << "<A href=\"\" target=\"\"></A>\r\n" << 9;
        QTest::newRow("caption, center") << "Caption1" << QStringList{"Center2", "Stop1"}
                                         << "<CAPTION center>\r\n\r\n</CAPTION>" << 18;
        QTest::newRow("radio, checked is not counted") << "Radio1" << QStringList{"Checked1", "Name1", "Stop1"}
                                                       << "<INPUT type=\"radio\" checked name=\"\">\r\n" << 34;
        QTest::newRow("frame, flag then margins") << "Frame1" << QStringList{"Noresize1", "Margins2", "Stop1"}
            << "<FRAME src=\"\" noresize marginheight=\"\" marginwidth=\"\">\r\n" << 12;
        QTest::newRow("horizontal rule, size") << "Hr1" << QStringList{"Style1", "Width1", "Stop1"}
                                               << "<HR size=\"\" width=\"\">\r\n" << 10;
    }
    void attributeSequences()
    {
        QFETCH(QString, tagItem);
        QFETCH(QStringList, choices);
        QFETCH(QString, text);
        QFETCH(int, caret);
        setAttributeMode(true);
        setText(QString(), 0, 0);
        action(qPrintable(tagItem))->trigger();
        const QString menu = openPopup() ? openPopup()->objectName() : QString();
        for (const QString &choice : choices)
            choose(qPrintable(menu), qPrintable(choice));
        QCOMPARE(memo()->Text(), text);
        QCOMPARE(memo()->SelStart(), caret);
        QVERIFY(!openPopup());

        // The attributes were one change with the element: one Undo takes all back.
        editor->undo();
        QCOMPARE(memo()->Text(), QString());
    }

    void everyAttributeReopensItsMenu()
    {
        setText(QStringLiteral("<X>"), 2, 0);
        AttributePopups *popups = editor->attributePopups();
        QVERIFY(popups);
        int menus = 0;
        const QList<QMenu *> all = editor->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly);
        for (QMenu *menu : all) {
            if (!menu->objectName().endsWith(QLatin1String("pu")))
                continue;
            ++menus;
            QCOMPARE(menu->defaultAction()->objectName(), QStringLiteral("Stop1"));
            QCOMPARE(menu->actions().first()->text(), QStringLiteral("Stop"));
            popups->open(menu->objectName());
            for (QAction *item : menu->actions()) {
                if (item->isSeparator() || item == menu->defaultAction())
                    continue;
                const int before = int(memo()->Text().size());
                item->trigger();
                QVERIFY2(memo()->Text().size() > before, qPrintable(item->objectName()));
                QVERIFY2(openPopup() == menu, qPrintable(menu->objectName() + " " + item->text()));
            }
            tagState().StopPosition = 1;
            menu->defaultAction()->trigger();
            QCOMPARE(memo()->SelStart(), 1);
            QVERIFY(!openPopup());
        }
        QCOMPARE(menus, 37);
    }

    void enterRightAfterOpeningChoosesStop_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<bool>("highlighted");
        QTest::newRow("body") << "bodypu" << true;
        QTest::newRow("span") << "spanpu" << true;
        QTest::newRow("object") << "objectpu" << false;
        QTest::newRow("base") << "basepu" << false;
        QTest::newRow("basefont") << "basefpu" << false;
    }
    void enterRightAfterOpeningChoosesStop()
    {
        QFETCH(QString, menu);
        QFETCH(bool, highlighted);
        setText(QStringLiteral("abcdef"), 5, 0);
        tagState().StopPosition = 2;
        editor->attributePopups()->open(menu);
        QMenu *popup = openPopup();
        QVERIFY(popup);
        QCOMPARE(popup->objectName(), menu);
        QCOMPARE(popup->activeAction() == popup->defaultAction(), highlighted);
        if (!highlighted)
            return;
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(!openPopup());
        QCOMPARE(memo()->SelStart(), 2);
    }

    void picture_data()
    {
        QTest::addColumn<bool>("attributeMode");
        QTest::addColumn<QString>("file"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("stop"); // -1: no menu opens
        QTest::newRow("attribute mode, gif") << true << "pic.gif" << ""
                                             << "<IMG src=\"pic.gif\" height=\"2\" width=\"3\">\r\n" << 39 << 10;
        QTest::newRow("attribute mode, cancelled") << true << "" << "" << "<IMG src=\"\" height=\"\" width=\"\">\r\n"
                                                   << 30 << 10;
        QTest::newRow("table mode, jpeg") << false << "pic.jpg" << ""
            << "<IMG src=\"pic.jpg\" height=\"23\" width=\"37\" border=\"\" alt=\"\">\r\n" << 50 << -1;
        QTest::newRow("table mode, bmp") << false << "pic.bmp" << ""
            << "<IMG src=\"pic.bmp\" height=\"5\" width=\"4\" border=\"\" alt=\"\">\r\n" << 48 << -1;
        QTest::newRow("table mode, cancelled") << false << "" << ""
            << "<IMG src=\"\" height=\"\" width=\"\" border=\"\" alt=\"\">\r\n" << 10 << -1;
        QTest::newRow("png named .jpg") << true << "png.jpg" << "not a GIF, JPEG or BMP picture"
                                        << "<IMG src=\"png.jpg\" height=\"\" width=\"\">\r\n" << 17 << -1;
        QTest::newRow("truncated jpeg") << false << "cut.jpg" << "Could not read"
            << "<IMG src=\"cut.jpg\" height=\"\" width=\"\" border=\"\" alt=\"\">\r\n" << 17 << -1;
        QTest::newRow("deleted after the dialog") << false << "gone.gif" << "The file does not exist."
            << "<IMG src=\"gone.gif\" height=\"\" width=\"\" border=\"\" alt=\"\">\r\n" << 18 << -1;
        QTest::newRow("huge jpeg") << false << "huge.jpg" << ""
            << "<IMG src=\"huge.jpg\" height=\"20000\" width=\"20000\" border=\"\" alt=\"\">\r\n" << 57 << -1;
    }
    void picture()
    {
        QFETCH(bool, attributeMode);
        QFETCH(QString, file);
        QFETCH(QString, error);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, stop);
        picture("pic.gif", QByteArray::fromHex("47494638396103000200800000ff00000000002c000000000300020000020404081028003b"));
        picture("pic.jpg", encoded(37, 23, "jpeg"));
        picture("pic.bmp", encoded(4, 5, "bmp"));
        picture("png.jpg", encoded(4, 4, "png"));
        picture("cut.jpg", encoded(37, 23, "jpeg").left(20));
        QByteArray huge = encoded(16, 16, "jpeg");
        const int sof = int(huge.indexOf("\xFF\xC0"));
        huge.replace(sof + 5, 4, QByteArray::fromHex("4e204e20"));
        picture("huge.jpg", huge);

        setAttributeMode(attributeMode);
        setText(QStringLiteral("<P>"), 3, 0);
        prompts->answerOpen(file.isEmpty() ? QStringList() : QStringList{dir.filePath(file)});
        if (!error.isEmpty())
            prompts->answerMessage(Prompts::Button::Ok, error);
        action("Image1")->trigger();
        QCOMPARE(prompts->lastFileDialog().filter, QStringLiteral("Browser supported files|*.gif; *.jpg"));
        QCOMPARE(prompts->lastFileDialog().title, QStringLiteral("Look up imagefile to open"));
        QCOMPARE(prompts->lastFileDialog().helpContext, 3006);
        QCOMPARE(memo()->Text(), "<P>" + text);
        QCOMPARE(memo()->SelStart(), 3 + caret);
        if (stop < 0) {
            QVERIFY(!openPopup());
        } else {
            choose("imgpu", "Stop1");
            QCOMPARE(memo()->SelStart(), 3 + stop);
        }
        editor->undo();
        QCOMPARE(memo()->Text(), QStringLiteral("<P>"));
    }

    void pictureOverASelectionDoesNothing()
    {
        for (bool attributeMode : {false, true}) {
            setAttributeMode(attributeMode);
            setText(QStringLiteral("word"), 0, 4);
            action("Image1")->trigger(); // no dialog may open
            QCOMPARE(memo()->Text(), QStringLiteral("word"));
            QVERIFY(!editor->commands().undo->isEnabled());
        }
    }

    void singleElementOverASelectionDoesNothing()
    {
        for (bool attributeMode : {false, true}) {
            setAttributeMode(attributeMode);
            setText(QStringLiteral("word"), 0, 4);
            action("Br1")->trigger();
            action("Standard1")->trigger();
            QCOMPARE(memo()->Text(), QStringLiteral("word"));
            QVERIFY(!editor->commands().undo->isEnabled());
            QVERIFY(!openPopup());
        }
    }

    void standardInBothModes()
    {
        for (bool attributeMode : {false, true}) {
            setAttributeMode(attributeMode);
            setText(QString(), 0, 0);
            action("Standard1")->trigger();
            QCOMPARE(memo()->TextLength(), 175);
            QCOMPARE(memo()->SelStart(), 34);
            QVERIFY(memo()->Text().startsWith(QLatin1String("<META name=\"DESCRIPTION\" content=\"")));
        }
        QCOMPARE(action("Standard1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+M")));
        QCOMPARE(action("Standard1")->parent(), editor->findChild<QMenu *>(QStringLiteral("Metatags2")));
    }

    void storedBackValuesAreClampedToTheDocument()
    {
        TagTemplate &bold = TagTable()[29];
        const TagTemplate kept = bold;
        bold.back = 1000;
        setText(QStringLiteral("ab"), 2, 0);
        action("B1")->trigger();
        bold.back = -1000;
        action("B1")->trigger();
        bold = kept;
        QCOMPARE(memo()->Text(), QStringLiteral("<B></B>ab<B></B>"));
        QCOMPARE(memo()->SelStart(), memo()->TextLength());
    }

    void ctrlNJumpsToTheNextEmptyValue()
    {
        setText(QStringLiteral("<P>\r\n<BODY bgcolor=\"#\" text=\"\">"), 7, 0);
        QTest::keyClick(memo(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(memo()->SelStart(), 5 + 16);
        QCOMPARE(memo()->Text(), QStringLiteral("<P>\r\n<BODY bgcolor=\"#\" text=\"\">"));
        // Only Ctrl alone: Ctrl+Shift+N moves nothing.
        memo()->SetSelStart(6);
        QTest::keyClick(memo(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(memo()->SelStart(), 6);
        // Ctrl let go before N still jumps.
        setText(QStringLiteral("<IMG src=\"\" height=\"\">"), 0, 0);
        QTest::keyPress(memo(), Qt::Key_N, Qt::ControlModifier);
        QTest::keyRelease(memo(), Qt::Key_N, Qt::NoModifier);
        QCOMPARE(memo()->SelStart(), 10);
    }

    void getColor()
    {
        setText(QStringLiteral("color=\"#\""), 8, 0);
        prompts->answerColor(QColor(255, 0, 0));
        action("Getcolor1")->trigger();
        QCOMPARE(memo()->Text(), QStringLiteral("color=\"#FF0000\""));
        editor->undo();
        QCOMPARE(memo()->Text(), QStringLiteral("color=\"#\""));

        // Cancelled: nothing changes, nothing to undo.
        editor->closeWithoutQuery();
        init();
        prompts->answerColor(QColor());
        action("Getcolor1")->trigger();
        QVERIFY(!editor->commands().undo->isEnabled());
        // Over a selection the dialog does not even open.
        setText(QStringLiteral("word"), 0, 4);
        action("Getcolor1")->trigger();
        QCOMPARE(memo()->Text(), QStringLiteral("word"));

        const QStringList misc = [this] {
            QStringList names;
            for (QAction *a : editor->menus().misc->actions())
                names << a->objectName();
            return names;
        }();
        QVERIFY(misc.indexOf(QStringLiteral("Getcolor1")) < misc.indexOf(QStringLiteral("Spellcheck1")));
    }

    void functionKeysReachTheTagItems()
    {
        main->activateWindow();
        QApplication::setActiveWindow(main.get());
        memo()->setFocus();
        setText(QString(), 0, 0);
        QTest::keyClick(memo(), Qt::Key_F5);
        QCOMPARE(memo()->SelStart(), 15);
        QTest::keyClick(memo(), Qt::Key_F9, Qt::ShiftModifier | Qt::AltModifier);
        QVERIFY(memo()->Text().contains(QLatin1String("<TH align=")));
    }

    void tagsMenuLayout()
    {
        auto *tags = editor->menus().tags;
        QStringList submenus;
        for (QAction *a : tags->actions())
            submenus << a->menu()->objectName();
        QCOMPARE(submenus, (QStringList{"Structure1", "Objects1", "Metatags2", "Textformatting1", "Lists2",
                                        "Forms2", "CSS1"}));
        QStringList forms;
        for (QAction *a : editor->findChild<QMenu *>(QStringLiteral("Forms2"))->actions())
            forms << (a->menu() ? a->menu()->objectName() : a->objectName());
        QCOMPARE(forms, (QStringList{"Form1", "Input1", "Textarea1", "Select1", "Option1", "Dropdownmenu1"}));
        QCOMPARE(editor->findChild<QMenu *>(QStringLiteral("Input1"))->actions().size(), 8);
        QCOMPARE(editor->findChild<QMenu *>(QStringLiteral("Lists2"))->title(), QStringLiteral("&Lists"));

        // Opening the menu counts as a change of the document.
        QVERIFY(!memo()->Modified());
        Q_EMIT tags->aboutToShow();
        QVERIFY(memo()->Modified());
    }
};

QTEST_MAIN(TestTagCommands)
#include "tst_tagcommands.moc"
