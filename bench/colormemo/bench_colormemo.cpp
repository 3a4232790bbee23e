// Colouring passes on large pages with the view in the middle: the cost must
// follow the visible lines, not the size of the document.
#include "benchreport.h"
#include "colormemo/colorhighlighter.h"
#include "colormemo/colormemo.h"
#include "colormemo/colorpass.h"
#include "colormemo/htmlrules.h"
#include "colormemo/textbuffer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

#include <functional>

namespace {

constexpr int VisibleLines = 45; // a maximised editor window

// Ordinary markup of about `bytes` characters: tags, attributes, a script.
QString page(int bytes)
{
    static const char *const rows[] = {
        "<tr><td class=\"c\" width=\"20%\">Cell text of a row</td><td><a href=\"x.htm\">link</a></td></tr>",
        "<p align=center>Some running text with <b>bold</b> and <i>italic</i> words in it.</p>",
        "<img src=\"pictures/photo.jpg\" width=\"120\" height=\"80\" alt=\"A photo\" border=0>",
        "<script language=\"JavaScript\">",
        "  document.write('<font color=\"red\">' + window.location.href + '</font>'); // note",
        "</script>",
        "<!-- a comment about the table below -->",
        "\t<input type=\"text\" name=\"q\" value=\"\" size=\"30\" maxlength=\"80\">",
    };
    QString text;
    text.reserve(bytes + 200);
    for (int i = 0; text.size() < bytes; ++i)
        text += QLatin1String(rows[i % 8]) + QLatin1String("\r\n");
    return text;
}

struct Size
{
    const char *name;
    int bytes;
};
const Size sizes[] = {{"100 KB", 100 * 1024}, {"1 MB", 1024 * 1024}, {"10 MB", 10 * 1024 * 1024}};

QString ratio(double value, double smallest)
{
    return QStringLiteral("x%1 of 100 KB").arg(value / smallest, 0, 'f', 2);
}

// The engine alone: copy the region out of the text, as the control does, and colour it.
void enginePasses()
{
    double smallestFull = 0;
    double smallestCaret = 0;
    for (const Size &size : sizes) {
        const TextBuffer buffer(page(size.bytes));
        ColorPass pass;
        addEditorRules(pass.rules());
        const int middle = buffer.lineCount() / 2;
        QString copy;
        auto colour = [&](int first, int last) {
            const PassRegion region = buffer.region(pass.rules(), first, last);
            copy = buffer.text().mid(region.scanStart, region.length());
            PassInput input;
            input.text = copy;
            input.startPos = region.scanStart;
            input.wantTabs = true;
            return pass.run(input).size();
        };
        const double full = bench::medianMs(201, [&] { colour(middle, middle + VisibleLines - 1); });
        const double caret = bench::medianMs(201, [&] { colour(middle + 10, middle + 10); });
        if (smallestFull == 0) {
            smallestFull = full;
            smallestCaret = caret;
        }
        bench::report(QStringLiteral("rules pass, %1 visible lines, %2").arg(VisibleLines).arg(size.name),
                      full, QStringLiteral("ms"), 5, ratio(full, smallestFull));
        bench::report(QStringLiteral("rules pass, caret line, %1").arg(size.name), caret,
                      QStringLiteral("ms"), 1, ratio(caret, smallestCaret));
    }
}

// Through the control: a whole repaint, a caret-line repaint and a typed key.
void memoPasses()
{
    double smallestFull = 0;
    double smallestCaret = 0;
    for (const Size &size : sizes) {
        TColorMemo memo;
        addEditorRules(memo.ColorRules());
        memo.resize(1280, 800);
        memo.SetText(page(size.bytes));
        bench::showOnScreen(&memo);
        QScrollBar *bar = memo.verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        QApplication::processEvents();
        memo.SetCaretLine(memo.FirstVisibleLine() + 10);
        memo.SetCaretColumn(12);
        QApplication::processEvents();

        QWidget *viewport = memo.viewport();
        TDrawRules rules;
        rules.Assign(memo.ColorRules());
        memo.ColorRules().clear();
        const double plain = bench::medianMs(51, [&] { viewport->repaint(); });
        memo.ColorRules().Assign(rules);
        const double full = bench::medianMs(51, [&] { viewport->repaint(); });
        const QRect caretRect = memo.cursorRect().adjusted(-2000, 0, 2000, 0);
        const double caret = bench::medianMs(51, [&] { viewport->repaint(caretRect); });
        const double typing = bench::medianMs(51, [&] {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
            QApplication::sendEvent(&memo, &press);
            QApplication::sendEvent(&memo, &release);
            QApplication::processEvents();
        });
        if (smallestFull == 0) {
            smallestFull = full;
            smallestCaret = caret;
        }
        bench::report(QStringLiteral("memo repaint with colours, %1").arg(size.name), full,
                      QStringLiteral("ms"), 0,
                      ratio(full, smallestFull) + QStringLiteral(", plain %1 ms").arg(plain, 0, 'f', 2));
        bench::report(QStringLiteral("memo caret-line repaint, %1").arg(size.name), caret,
                      QStringLiteral("ms"), 0, ratio(caret, smallestCaret));
        bench::report(QStringLiteral("typing, key to repaint, %1").arg(size.name), typing,
                      QStringLiteral("ms"), 16);
    }
}

// Bad input: one 2 MB line, and a comment left open at the top of 10 MB.
void badInput()
{
    TColorMemo memo;
    addEditorRules(memo.ColorRules());
    memo.resize(1280, 800);
    QString line = page(2 * 1024 * 1024);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    memo.SetText(line);
    bench::showOnScreen(&memo);
    QScrollBar *bar = memo.verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    QApplication::processEvents();
    bench::report(QStringLiteral("memo repaint, one 2 MB line, wrapped"),
                  bench::medianMs(5, [&] { memo.viewport()->repaint(); }), QStringLiteral("ms"));
    memo.SetWordWrap(false);
    QApplication::processEvents();
    bench::report(QStringLiteral("memo repaint, one 2 MB line, not wrapped"),
                  bench::medianMs(5, [&] { memo.viewport()->repaint(); }), QStringLiteral("ms"));

    memo.SetWordWrap(true);
    TColorRule &comment = memo.ColorRules().add();
    comment.setKeyBegEndLst({QStringLiteral("<!--;-->;gray")});
    memo.SetText(QStringLiteral("<!-- never closed\r\n") + page(10 * 1024 * 1024));
    bar->setValue(bar->maximum() / 2);
    QApplication::processEvents();
    bench::report(QStringLiteral("memo repaint, 10 MB with an open comment at the top"),
                  bench::medianMs(21, [&] { memo.viewport()->repaint(); }), QStringLiteral("ms"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    enginePasses();
    memoPasses();
    badInput();
    return 0;
}
