#include "colormemo/colorhighlighter.h"
#include "colormemo/colormemo.h"
#include "colormemo/htmlrules.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "colortestutil.h"

namespace {

// Records the areas the memo's viewport is asked to paint.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(QWidget *viewport) { viewport->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

QStringList lastRuns(const TColorMemo &memo)
{
    QStringList out;
    for (const TKeyDescr &run : memo.Colors()->lastRuns())
        out << describe(run, true);
    return out;
}

} // namespace

class TestColorMemo : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TColorMemo> m_memo;

    TColorMemo &shownMemo(const QString &text)
    {
        m_memo = std::make_unique<TColorMemo>();
        addEditorRules(m_memo->ColorRules());
        m_memo->resize(600, 300);
        m_memo->SetText(text);
        m_memo->show();
        if (!QTest::qWaitForWindowExposed(m_memo.get()))
            qWarning("memo not exposed");
        m_memo->viewport()->repaint();
        return *m_memo;
    }

    QPoint pointOf(TColorMemo &memo, int offset)
    {
        QTextCursor cursor(memo.document());
        cursor.setPosition(memo.toDocumentPosition(offset));
        return memo.cursorRect(cursor).center() + QPoint(2, 0);
    }

private Q_SLOTS:
    void cleanup() { m_memo.reset(); }

    void colouringLeavesTheDocumentAlone()
    {
        QString page;
        for (int i = 0; i < 200; ++i)
            page += QStringLiteral("<td class=\"x\">cell %1</td> <!-- note -->\r\n").arg(i);
        TColorMemo &memo = shownMemo(page);
        memo.SetModified(false);
        QTextDocument *doc = memo.document();
        const int revision = doc->revision();
        const int undoSteps = doc->availableUndoSteps();
        QSignalSpy textChanged(&memo, &QPlainTextEdit::textChanged);
        QSignalSpy contentsChange(doc, &QTextDocument::contentsChange);
        QSignalSpy modification(doc, &QTextDocument::modificationChanged);

        memo.viewport()->repaint();
        memo.verticalScrollBar()->setValue(50);
        memo.SetSelStart(30);
        memo.SetSelLength(20);
        memo.viewport()->repaint();
        QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, QPoint(30, 30));
        QCoreApplication::processEvents();

        QVERIFY(!memo.Colors()->lastRuns().empty());
        QCOMPARE(doc->revision(), revision);
        QCOMPARE(doc->availableUndoSteps(), undoSteps);
        QVERIFY(!memo.Modified());
        QCOMPARE(textChanged.count(), 0);
        QCOMPARE(contentsChange.count(), 0);
        QCOMPARE(modification.count(), 0);
        QCOMPARE(memo.Text(), page);

        // Nor is a change left pending that would widen the next one it reports.
        memo.SetSelStart(page.size());
        memo.SetSelText(QStringLiteral("x"));
        QCOMPARE(contentsChange.count(), 1);
        QCOMPARE(contentsChange.at(0).at(0).toInt(), doc->characterCount() - 2);
        QCOMPARE(contentsChange.at(0).at(1).toInt(), 0);
        QCOMPARE(contentsChange.at(0).at(2).toInt(), 1);
    }

    void visibleRunsAndSelection()
    {
        TColorMemo &memo = shownMemo(QStringLiteral("<td>x</td>\r\n<p align=\"left\">"));
        QCOMPARE(lastRuns(memo),
                 (QStringList{"0-3 green z3 key", "5-9 green z3 key", "12-13 green z3 key",
                              "15-19 maroon z0 key", "20-21 red z0 key", "26-26 red z0 key",
                              "27-27 green z3 key"}));
        // The selection's ZOrder hides the keyword colour under it.
        memo.SetSelStart(1);
        memo.SetSelLength(2);
        memo.viewport()->repaint();
        QCOMPARE(lastRuns(memo).mid(0, 3),
                 (QStringList{"0-0 green z3 key", "1-2 red z254", "3-3 green z3 key"}));
    }

    void noRulesNoColours()
    {
        TColorMemo &memo = shownMemo(QStringLiteral("<td>"));
        memo.ColorRules().clear();
        memo.viewport()->repaint();
        QVERIFY(memo.Colors()->lastRuns().empty());
    }

    void typingRecoloursOnlyTheCaretLine_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("redrawAlways");
        QTest::addColumn<bool>("wholeView");
        QTest::newRow("one character") << "x" << false << false;
        QTest::newRow("one character, redraw always") << "x" << true << true;
        QTest::newRow("two characters at once") << "xy" << false << true;
        QTest::newRow("line break") << "\n" << false << true;
    }
    void typingRecoloursOnlyTheCaretLine()
    {
        QFETCH(QString, typed);
        QFETCH(bool, redrawAlways);
        QFETCH(bool, wholeView);
        QString page;
        for (int i = 0; i < 40; ++i)
            page += QStringLiteral("<p>line</p>\r\n");
        TColorMemo &memo = shownMemo(page);
        memo.Colors()->setRedrawAlways(redrawAlways);
        memo.SetSelStart(3 * 13 + 4);
        memo.insertPlainText(QStringLiteral("z")); // the first change has nothing to compare with
        QCoreApplication::processEvents();
        PaintRecorder recorder(memo.viewport());
        memo.insertPlainText(typed);
        QCoreApplication::processEvents();
        const QRect painted = recorder.painted.boundingRect();
        const int lineHeight = memo.fontMetrics().height();
        QCOMPARE(painted.height() > 2 * lineHeight, wholeView);
    }

    void navigationKeyLeavesTheSelectionAtItsEnd()
    {
        TColorMemo &memo = shownMemo(QStringLiteral("abcdefgh"));
        memo.SetSelStart(2);
        memo.SetSelLength(3);
        QTest::keyClick(&memo, Qt::Key_Left);
        QCOMPARE(memo.SelStart(), 4);
        QCOMPARE(memo.SelLength(), 0);
        memo.SetSelStart(2);
        memo.SetSelLength(3);
        QTest::keyClick(&memo, Qt::Key_Right, Qt::ShiftModifier); // extends, as usual
        QCOMPARE(memo.SelLength(), 4);
    }

    void hotSpots()
    {
        TColorMemo &memo = shownMemo(QString(QStringLiteral("go ")) + QChar(30) + "to page" + QChar(31) + " now");
        THotSpot hotSpot;
        hotSpot.Active = true;
        memo.Colors()->setHotSpot(hotSpot);
        memo.viewport()->repaint();
        QCOMPARE(lastRuns(memo), (QStringList{"3-3 window z253", "4-10 blue z252", "11-11 window z253"}));

        QSignalSpy clicked(memo.Colors(), &TColorHighlighter::OnHotSpotClick);
        QTest::mouseMove(memo.viewport(), pointOf(memo, 6));
        QCOMPARE(memo.viewport()->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, pointOf(memo, 6));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(1).toString(), QStringLiteral("to page"));

        QTest::mouseMove(memo.viewport(), pointOf(memo, 13));
        QCOMPARE(memo.viewport()->cursor().shape(), Qt::IBeamCursor);
        QTest::mouseClick(memo.viewport(), Qt::LeftButton, {}, pointOf(memo, 13));
        QCOMPARE(clicked.count(), 1);
    }

    void scrollingIsReported()
    {
        QString page;
        for (int i = 0; i < 200; ++i)
            page += QStringLiteral("<p>\r\n");
        TColorMemo &memo = shownMemo(page);
        QSignalSpy vertical(memo.Colors(), &TColorHighlighter::OnVScroll);
        memo.ScrollLines(20);
        QCOMPARE(vertical.count(), 1);
        memo.viewport()->repaint();
        QCOMPARE(memo.Colors()->lastRuns().front().StartPos, memo.LineStart(memo.FirstVisibleLine()));
    }

    void onDrawAndOnDrawKey()
    {
        TColorMemo &memo = shownMemo(QStringLiteral("<b>abcdef"));
        memo.Colors()->setColorLimMax(2);
        memo.Colors()->setOnDraw([](TColorRule &, int, std::vector<TKeyDescr> &items, int &count) {
            items[0] = {4, 5, clTeal, 0, false};
            count = 1;
        });
        memo.ColorRules().add().setKeyDrawingType(dtEventDraw);
        QStringList keys;
        memo.Colors()->setOnDrawKey([&](QPainter &, const QString &key, const QRect &rect, const QColor &) {
            QVERIFY(rect.width() > 0);
            keys << key;
        });
        memo.viewport()->repaint();
        QVERIFY(lastRuns(memo).contains(QStringLiteral("4-5 teal z0")));
        QCOMPARE(keys, (QStringList{"<b>"}));
    }
};

QTEST_MAIN(TestColorMemo)
#include "tst_colormemo.moc"
