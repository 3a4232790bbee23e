#include "editor/undohistory.h"

#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
