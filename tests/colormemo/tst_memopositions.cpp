#include "colormemo/colormemo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>

#include <algorithm>

namespace {

// A line of markup `length` characters long or a little more.
QString longLine(int length)
{
    QString line;
    for (int i = 0; line.size() < length; ++i)
        line += QStringLiteral("<td class=\"c%1\">x</td>").arg(i);
    return line;
}

// The memo offset where the first piece of a long line after the first ends.
int firstPieceEnd(const TColorMemo &memo)
{
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        if (!memo.startsLine(block))
            return memo.fromDocumentPosition(block.position());
    }
    return -1;
}

} // namespace

// The text counts a line break as two characters; the document underneath
// counts one. These cases pin the mapping between the two, on the text alone
// where no view is needed and through the memo where keys and the clipboard
// are.
class TestMemoPositions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void textAndLines_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << "" << "" << QStringList();
        QTest::newRow("no final break") << "ab\r\ncd" << "ab\r\ncd" << QStringList{"ab", "cd"};
        QTest::newRow("final break") << "ab\r\ncd\r\n" << "ab\r\ncd\r\n" << QStringList{"ab", "cd"};
        QTest::newRow("empty lines") << "\r\n\r\nx\r\n\r\n" << "\r\n\r\nx\r\n\r\n"
                                     << QStringList{"", "", "x", ""};
        QTest::newRow("lone breaks become CR LF") << "a\nb\rc" << "a\r\nb\r\nc"
                                                  << QStringList{"a", "b", "c"};
        QTest::newRow("non-breaking space kept") << QString::fromUtf8("a\u00a0b\r\n")
                                                 << QString::fromUtf8("a\u00a0b\r\n")
                                                 << QStringList{QString::fromUtf8("a\u00a0b")};
    }
    void textAndLines()
    {
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        DocumentText doc;
        doc.SetText(input);
        QCOMPARE(doc.Text(), text);
        QCOMPARE(doc.TextLength(), text.size());
        QCOMPARE(doc.Lines(), lines);
    }

    void offsetsRoundTrip()
    {
        DocumentText doc;
        const QString text = QStringLiteral("<HTML>\r\n\r\n<B>x</B>\r\n");
        doc.SetText(text);
        for (int offset = 0; offset <= text.size(); ++offset) {
            const int position = doc.toDocumentPosition(offset);
            const bool betweenCrAndLf = offset > 0 && text[offset - 1] == QLatin1Char('\r');
            if (betweenCrAndLf)
                QCOMPARE(doc.fromDocumentPosition(position), offset - 1);
            else
                QCOMPARE(doc.fromDocumentPosition(position), offset);
        }
        QCOMPARE(doc.toDocumentPosition(-5), 0);
        QCOMPARE(doc.toDocumentPosition(1000), doc.document()->characterCount() - 1);
    }

    void selectionInCrLfTerms()
    {
        DocumentText doc;
        doc.SetText(QStringLiteral("ab\r\ncd\r\nef"));
        doc.SetSelStart(1);
        doc.SetSelLength(6); // would end between CR and LF: stops at the line end
        QCOMPARE(doc.SelStart(), 1);
        QCOMPARE(doc.SelText(), QStringLiteral("b\r\ncd"));
        doc.SetSelStart(4);
        doc.SetSelLength(4);
        QCOMPARE(doc.SelText(), QStringLiteral("cd\r\n"));
        QCOMPARE(doc.SelLength(), 4);
        doc.SetSelText(QStringLiteral("X\r\nY"));
        QCOMPARE(doc.Text(), QStringLiteral("ab\r\nX\r\nYef"));
        QCOMPARE(doc.SelStart(), 8);
        QCOMPARE(doc.SelLength(), 0);
    }

    void caretLineAndColumn_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::newRow("start") << 0 << 0 << 0;
        QTest::newRow("end of first line") << 3 << 0 << 3;
        QTest::newRow("second line") << 5 << 1 << 0;
        QTest::newRow("between CR and LF") << 7 << 1 << 1;
        QTest::newRow("empty line") << 8 << 2 << 0;
        QTest::newRow("last line") << 11 << 3 << 1;
    }
    void caretLineAndColumn()
    {
        QFETCH(int, offset);
        QFETCH(int, line);
        QFETCH(int, column);
        DocumentText doc;
        doc.SetText(QStringLiteral("abc\r\nd\r\n\r\nxy"));
        doc.SetSelStart(offset);
        QCOMPARE(doc.CaretLine(), line);
        QCOMPARE(doc.CaretColumn(), column);
    }

    void setCaretLineAndColumnClamp()
    {
        DocumentText doc;
        doc.SetText(QStringLiteral("abc\r\nde"));
        doc.SetCaretLine(7);
        QCOMPARE(doc.SelStart(), 5);
        doc.SetCaretColumn(99);
        QCOMPARE(doc.SelStart(), 7);
        doc.SetCaretLine(-3);
        doc.SetCaretColumn(2);
        QCOMPARE(doc.SelStart(), 2);
    }

    // A very long line is held in pieces that none of the text's interfaces shows.
    void longLineInPieces()
    {
        DocumentText doc;
        const QString line = longLine(3 * SoftBreaks::MaxBlockLength);
        const QString text = QStringLiteral("first\r\n") + line + QStringLiteral("\r\nlast\r\n");
        doc.SetText(text);
        QVERIFY(doc.document()->blockCount() > doc.LineCount() + 1);
        QCOMPARE(doc.Text(), text);
        QCOMPARE(doc.TextLength(), text.size());
        QCOMPARE(doc.LineCount(), 4);
        QCOMPARE(doc.LineText(1), line);
        QCOMPARE(doc.LineStart(2), 7 + line.size() + 2);
        QCOMPARE(doc.Lines(), (QStringList{"first", line, "last"}));
        for (int offset = 0; offset <= text.size(); ++offset) {
            const int back = doc.fromDocumentPosition(doc.toDocumentPosition(offset));
            QCOMPARE(back, offset > 0 && text[offset - 1] == QLatin1Char('\r') ? offset - 1 : offset);
        }
        doc.SetSelStart(7 + 5000);
        QCOMPARE(doc.CaretLine(), 1);
        QCOMPARE(doc.CaretColumn(), 5000);

        // A change across pieces, and back through the undo text.
        const QString before = doc.UndoText();
        doc.SetSelStart(7 + 4000);
        doc.SetSelLength(6000);
        QCOMPARE(doc.SelText(), text.mid(7 + 4000, 6000));
        doc.SetSelText(QStringLiteral("X\r\nY"));
        const QString changed = QString(text).replace(7 + 4000, 6000, QStringLiteral("X\r\nY"));
        QCOMPARE(doc.Text(), changed);
        QCOMPARE(doc.LineCount(), 5);
        doc.RestoreUndoText(before);
        QCOMPARE(doc.Text(), text);
    }

    // Keys at the seam of two pieces act on one character, as anywhere else.
    void keysAtAPieceSeam()
    {
        TColorMemo memo;
        const QString text = longLine(3 * SoftBreaks::MaxBlockLength);
        memo.SetText(text);
        const int seam = firstPieceEnd(memo);
        QVERIFY(seam > 0);
        memo.SetSelStart(seam - 1);
        QTest::keyClick(&memo, Qt::Key_Right);
        QTest::keyClick(&memo, Qt::Key_Right);
        QCOMPARE(memo.SelStart(), seam + 1);
        QTest::keyClick(&memo, Qt::Key_Left);
        QTest::keyClick(&memo, Qt::Key_Left);
        QCOMPARE(memo.SelStart(), seam - 1);
        memo.SetSelStart(seam);
        QTest::keyClick(&memo, Qt::Key_Backspace);
        QCOMPARE(memo.Text(), QString(text).remove(seam - 1, 1));
        QTest::keyClick(&memo, Qt::Key_Delete);
        QCOMPARE(memo.Text(), QString(text).remove(seam - 1, 2));
        QTest::keyClicks(&memo, QStringLiteral("ab"));
        QCOMPARE(memo.Text(), QString(text).replace(seam - 1, 2, QStringLiteral("ab")));
    }

    // The undo text is built from the previous one and what changed since;
    // after edits of every kind it must still be the whole text.
    void undoTextFollowsEveryChange()
    {
        TColorMemo memo;
        const QString line = longLine(3 * SoftBreaks::MaxBlockLength);
        memo.SetText(QStringLiteral("a\r\n") + line + QString::fromUtf8("\r\nb\u2029c\r\nend"));
        // Each text after the first also tells what it shares with the
        // previous one; the undo history trusts that without comparing.
        bool first = true;
        const auto check = [&memo, &first] {
            KnownEnds known;
            const QString text = memo.UndoText(&known);
            QCOMPARE(text, QString(memo.Text()).replace(QLatin1String("\r\n"), QLatin1String("\n")));
            QVERIFY(first || !known.earlier.isNull());
            first = false;
            QVERIFY(known.prefix + known.suffix <= std::min(text.size(), known.earlier.size()));
            QCOMPARE(QStringView(text).left(known.prefix), QStringView(known.earlier).left(known.prefix));
            QCOMPARE(QStringView(text).right(known.suffix), QStringView(known.earlier).right(known.suffix));
        };
        check();
        memo.SetSelStart(3 + 5000);
        QTest::keyClicks(&memo, QStringLiteral("typed"));
        check();
        memo.SetSelStart(1);
        memo.SetSelLength(9000);
        memo.SetSelText(QStringLiteral("x\r\ny"));
        check();
        memo.ApplyChanges({{0, 1, QStringLiteral("<b>")}, {20, 3, QString()}, {memo.TextLength() - 1, 0, line}});
        check();
        const QString earlier = memo.UndoText();
        memo.SetSelStart(memo.TextLength());
        QTest::keyClick(&memo, Qt::Key_Return);
        QTest::keyClick(&memo, Qt::Key_Backspace);
        QTest::keyClick(&memo, Qt::Key_Backspace);
        check();
        memo.RestoreUndoText(earlier);
        QCOMPARE(memo.UndoText(), earlier);
        check();
    }

    // A large text is shown before all of it is in; whatever is asked of the
    // text meanwhile answers for the whole text.
    void loadingALargeText_data()
    {
        QTest::addColumn<QString>("text");
        QString lines;
        for (int i = 0; lines.size() < 700 * 1024; ++i)
            lines += QStringLiteral("<tr><td>row %1</td></tr>\r\n").arg(i);
        QTest::newRow("many lines") << lines;
        QTest::newRow("one long line") << longLine(700 * 1024) + QStringLiteral("\r\n");
        QTest::newRow("separators") << lines.left(300 * 1024) + QString::fromUtf8("\u2029x\u2028\r\n");
    }
    void loadingALargeText()
    {
        QFETCH(QString, text);
        DocumentText doc;
        doc.LoadText(toDocumentBreaks(text));
        QVERIFY(doc.Loading());
        QVERIFY(!doc.Modified());
        QCOMPARE(doc.TextLength(), text.size());
        QCOMPARE(doc.LineCount(), doc.Loading() ? int(text.count(QLatin1Char('\n'))) + 1 : -1);
        QCOMPARE(doc.Text(), text);
        QVERIFY(!doc.Loading());

        doc.LoadText(toDocumentBreaks(text));
        QTRY_VERIFY(!doc.Loading());
        QCOMPARE(doc.Text(), text);
        QCOMPARE(doc.TextLength(), text.size());
        QVERIFY(!doc.Modified());
    }

    void pastedBreaksAreNormalised()
    {
        TColorMemo memo;
        QGuiApplication::clipboard()->setText(QStringLiteral("1\r2\r\n3"));
        memo.paste();
        QCOMPARE(memo.Text(), QStringLiteral("1\r\n2\r\n3"));
        QCOMPARE(memo.LineCount(), 3);
    }
};

QTEST_MAIN(TestMemoPositions)
#include "tst_memopositions.moc"
