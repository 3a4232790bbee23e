#include "editor/undohistory.h"

#include <QTest>

#include <array>

namespace {

// The history as whole texts, the way its rules are written.
struct WholeHistory
{
    std::array<UndoHistory::Entry, UndoHistory::Depth> entries;
    UndoHistory::Entry redoEntry;

    void push(const QString &text, int caret)
    {
        for (int k = UndoHistory::Depth - 1; k >= 1; --k) {
            if (!entries[size_t(k - 1)].text.isEmpty())
                entries[size_t(k)] = entries[size_t(k - 1)];
        }
        entries[0] = {text, caret};
    }
    UndoHistory::Entry undo(const QString &text, int caret)
    {
        redoEntry = {text, caret};
        const UndoHistory::Entry restored = entries[0];
        for (int k = 1; k < UndoHistory::Depth; ++k)
            entries[size_t(k - 1)] = entries[size_t(k)];
        return restored;
    }
    UndoHistory::Entry redo(const QString &text, int caret)
    {
        push(text, caret);
        return redoEntry;
    }
};

} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void twentyOneInsertionsThenUndoPastTheEnd()
    {
        UndoHistory history;
        // Insertion i pushes the text it starts from, t(i-1).
        for (int i = 1; i <= 21; ++i)
            history.push(QStringLiteral("t%1").arg(i - 1), i);
        QString current = QStringLiteral("t21");
        for (int expected = 20; expected >= 1; --expected) {
            QVERIFY(history.hasUndoText());
            const UndoHistory::Entry entry = history.undo(current, 0);
            QCOMPARE(entry.text, QStringLiteral("t%1").arg(expected));
            QCOMPARE(entry.caret, expected + 1);
            current = entry.text;
        }
        // The oldest entry keeps its value: t0 fell off, t1 comes back again.
        QCOMPARE(history.undo(current, 0).text, QStringLiteral("t1"));
        QCOMPARE(history.undo(current, 0).text, QStringLiteral("t1"));
    }

    void emptySnapshotEndsTheHistory()
    {
        UndoHistory history;
        history.push(QString(), 0); // a blank document before its first tag
        QVERIFY(!history.hasUndoText());
        const UndoHistory::Entry entry = history.undo(QStringLiteral("<b></b>"), 3);
        QCOMPARE(entry.text, QString());
        QVERIFY(!history.hasUndoText());
    }

    void emptyEntryIsNotCopiedDown()
    {
        UndoHistory history;
        history.push(QStringLiteral("old"), 1);
        history.push(QString(), 0);
        history.push(QStringLiteral("new"), 2);
        // The empty snapshot is overwritten in place rather than moved down.
        QCOMPARE(history.entry(0).text, QStringLiteral("new"));
        QCOMPARE(history.entry(1).text, QStringLiteral("old"));
        QCOMPARE(history.entry(2).text, QStringLiteral("old"));
        QCOMPARE(history.entry(3).text, QString());
    }

    void redoRestoresWhatUndoReplacedAndIsUndoable()
    {
        UndoHistory history;
        history.push(QStringLiteral("a"), 1);
        const UndoHistory::Entry undone = history.undo(QStringLiteral("ab"), 2);
        QCOMPARE(undone.text, QStringLiteral("a"));
        const UndoHistory::Entry redone = history.redo(undone.text, undone.caret);
        QCOMPARE(redone.text, QStringLiteral("ab"));
        QCOMPARE(redone.caret, 2);
        QCOMPARE(history.entry(0).text, QStringLiteral("a"));
        QVERIFY(history.hasUndoText());
    }

    // Snapshots kept as differences from each other give back every text of
    // a mixed run of edits, undos and redos, empty texts included.
    void differencesGiveBackEveryText()
    {
        UndoHistory history;
        WholeHistory whole;
        QString text = QStringLiteral("<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n").repeated(300);
        const QString steps = QStringLiteral("pppupprpppeppuuurppuuuuuuuuuuuuuuuuuuuuuuprpppppppppppppppppppppuuuuu");
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const int caret = int(i * 7 % (text.size() + 1));
            UndoHistory::Entry got;
            UndoHistory::Entry expected;
            switch (steps.at(i).unicode()) {
            case 'p': // a command: record, then change somewhere
                history.push(text, caret);
                whole.push(text, caret);
                text.insert(caret, QStringLiteral("<B>%1</B>").arg(i));
                if (i % 3 == 0)
                    text.remove(0, 4);
                continue;
            case 'e': // everything deleted, then a tag
                text.clear();
                history.push(text, 0);
                whole.push(text, 0);
                text = QStringLiteral("<P>");
                continue;
            case 'u':
                got = history.undo(text, caret);
                expected = whole.undo(text, caret);
                break;
            default:
                got = history.redo(text, caret);
                expected = whole.redo(text, caret);
                break;
            }
            QCOMPARE(got.text, expected.text);
            QCOMPARE(got.caret, expected.caret);
            text = got.text;
            for (int k = 0; k < UndoHistory::Depth; ++k)
                QCOMPARE(history.entry(k).text, whole.entries[size_t(k)].text);
        }
    }
};

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
