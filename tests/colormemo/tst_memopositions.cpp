#include "colormemo/colormemo.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

// The memo counts a line break as two characters; the document underneath
// counts one. These cases pin the mapping between the two.
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
        TColorMemo memo;
        memo.SetText(input);
        QCOMPARE(memo.Text(), text);
        QCOMPARE(memo.TextLength(), text.size());
        QCOMPARE(memo.Lines(), lines);
    }

    void offsetsRoundTrip()
    {
        TColorMemo memo;
        const QString text = QStringLiteral("<HTML>\r\n\r\n<B>x</B>\r\n");
        memo.SetText(text);
        for (int offset = 0; offset <= text.size(); ++offset) {
            const int position = memo.toDocumentPosition(offset);
            const bool betweenCrAndLf = offset > 0 && text[offset - 1] == QLatin1Char('\r');
            if (betweenCrAndLf)
                QCOMPARE(memo.fromDocumentPosition(position), offset - 1);
            else
                QCOMPARE(memo.fromDocumentPosition(position), offset);
        }
        QCOMPARE(memo.toDocumentPosition(-5), 0);
        QCOMPARE(memo.toDocumentPosition(1000), memo.document()->characterCount() - 1);
    }

    void selectionInCrLfTerms()
    {
        TColorMemo memo;
        memo.SetText(QStringLiteral("ab\r\ncd\r\nef"));
        memo.SetSelStart(1);
        memo.SetSelLength(6); // would end between CR and LF: stops at the line end
        QCOMPARE(memo.SelStart(), 1);
        QCOMPARE(memo.SelText(), QStringLiteral("b\r\ncd"));
        memo.SetSelStart(4);
        memo.SetSelLength(4);
        QCOMPARE(memo.SelText(), QStringLiteral("cd\r\n"));
        QCOMPARE(memo.SelLength(), 4);
        memo.SetSelText(QStringLiteral("X\r\nY"));
        QCOMPARE(memo.Text(), QStringLiteral("ab\r\nX\r\nYef"));
        QCOMPARE(memo.SelStart(), 8);
        QCOMPARE(memo.SelLength(), 0);
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
        TColorMemo memo;
        memo.SetText(QStringLiteral("abc\r\nd\r\n\r\nxy"));
        memo.SetSelStart(offset);
        QCOMPARE(memo.CaretLine(), line);
        QCOMPARE(memo.CaretColumn(), column);
    }

    void setCaretLineAndColumnClamp()
    {
        TColorMemo memo;
        memo.SetText(QStringLiteral("abc\r\nde"));
        memo.SetCaretLine(7);
        QCOMPARE(memo.SelStart(), 5);
        memo.SetCaretColumn(99);
        QCOMPARE(memo.SelStart(), 7);
        memo.SetCaretLine(-3);
        memo.SetCaretColumn(2);
        QCOMPARE(memo.SelStart(), 2);
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
