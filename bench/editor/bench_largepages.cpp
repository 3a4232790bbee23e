// Large pages through the real windows: start-up with a small page, opening
// a 10 MB page, tag insertions with their undo snapshots, typing in a 2.3 MB
// single line, and a full repaint with and without colours.
#include "benchreport.h"
#include "colormemo/colorhighlighter.h"
#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "shell/mainform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>

#include <ctime>

namespace {

double clockMs(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}
double cpuMs() { return clockMs(CLOCK_PROCESS_CPUTIME_ID); }
double threadCpuMs() { return clockMs(CLOCK_THREAD_CPUTIME_ID); }

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Rows of ordinary markup, 113 characters on average.
const char *const Rows[] = {
    "<tr><td class=\"cell\" width=\"20%\">Cell text of a row</td><td><a href=\"page.htm\">a link</a></td></tr>",
    "<p align=\"center\">Some running text with <b>bold</b> and <i>italic</i> words, and a few more words.</p>",
    "<img src=\"pictures/photo.jpg\" width=\"120\" height=\"80\" alt=\"A photo of the garden\" border=\"0\" hspace=\"4\">",
    "<script language=\"JavaScript\">document.write('<font color=\"red\">' + window.location.href + '</font>');</script>",
    "<!-- a comment about the table below, which holds the prices of the season and the opening hours -->",
    "\t<input type=\"text\" name=\"query\" value=\"\" size=\"30\" maxlength=\"80\" onfocus=\"this.select()\"><br>",
};

QByteArray pageBytes(int lines, const char *separator)
{
    QByteArray bytes;
    for (int i = 0; i < lines; ++i) {
        bytes += Rows[i % 6];
        bytes += separator;
    }
    return bytes;
}

QString writeFile(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Counts the paints of a widget.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Opens a file and waits until the editor has drawn it; milliseconds.
double openUntilDrawn(Tmainform &mainform, const QString &path, Teditform **opened)
{
    QElapsedTimer timer;
    timer.start();
    Teditform *editor = mainform.openDocument(path);
    PaintWatch watch(editor->memo()->viewport());
    while (watch.paints == 0)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    *opened = editor;
    return timer.nsecsElapsed() / 1e6;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// One key typed at the caret, until the control has drawn it.
void typeKey(TColorMemo *memo)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(memo, &press);
    QApplication::sendEvent(memo, &release);
    QApplication::processEvents();
    memo->viewport()->repaint();
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QTemporaryDir dir;
    bench::useTemporaryConfig(dir.path());
    const QString small = writeFile(dir, "small.htm", pageBytes(180, "\r\n"));

    QApplication app(argc, argv);
    Tmainform mainform;
    mainform.FormCreate();
    mainform.resize(1280, 800);
    mainform.show();
    Teditform *editor = nullptr;
    openUntilDrawn(mainform, small, &editor);
    bench::report(QStringLiteral("start with a 20 KB page, until its text is drawn"),
                  sinceStart.nsecsElapsed() / 1e6, QStringLiteral("ms"), 200);
    editor->closeWithoutQuery();
    settle();

    // 10 MB in 93 000 lines.
    const QString large = writeFile(dir, "large.htm", pageBytes(93000, "\r\n"));
    const double before = bench::residentMegabytes();
    const double open = openUntilDrawn(mainform, large, &editor);
    bench::report(QStringLiteral("open the 10 MB page, until its text is drawn"), open,
                  QStringLiteral("ms"), 350);
    QElapsedTimer loading;
    loading.start();
    while (editor->memo()->Loading())
        QApplication::processEvents();
    bench::report(QStringLiteral("open the 10 MB page, until all of it is in"), open + loading.nsecsElapsed() / 1e6,
                  QStringLiteral("ms"));
    settle();
    bench::report(QStringLiteral("resident memory with the 10 MB page open"), bench::residentMegabytes(),
                  QStringLiteral("MB"), 90, QStringLiteral("%1 MB before opening").arg(before, 0, 'f', 1));

    // Ctrl+F1 inserts <B></B> at the caret, each time after an undo snapshot.
    TColorMemo *memo = editor->memo();
    QAction *bold = nullptr;
    for (QAction *action : editor->findChildren<QAction *>()) {
        if (action->shortcut() == QKeySequence(QStringLiteral("Ctrl+F1")))
            bold = action;
    }
    memo->SetSelStart(memo->TextLength() / 2);
    memo->ensureCursorVisible();
    settle();
    std::vector<double> insertions;
    const double cpuBefore = cpuMs();
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer timer;
        timer.start();
        bold->trigger();
        QApplication::processEvents();
        memo->viewport()->repaint();
        insertions.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double insertionCpu = (cpuMs() - cpuBefore) / 20;
    std::sort(insertions.begin(), insertions.end());
    // What stays after a pause of the user's.
    QElapsedTimer pause;
    pause.start();
    while (pause.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    bench::report(QStringLiteral("tag insertion in the 10 MB page, key to repaint (median of 20)"),
                  insertions[insertions.size() / 2], QStringLiteral("ms"), 16,
                  QStringLiteral("processor time %1 ms each").arg(insertionCpu, 0, 'f', 1));
    bench::report(QStringLiteral("resident memory after 20 tag insertions"), bench::residentMegabytes(),
                  QStringLiteral("MB"), 150);


    // Full repaints with and without colours, in alternating order: the
    // editor's memo, and a memo without rules showing the same lines.
    TColorMemo plainMemo;
    plainMemo.setFont(memo->font());
    plainMemo.resize(memo->size());
    plainMemo.SetText(memo->Text());
    bench::showOnScreen(&plainMemo);
    plainMemo.verticalScrollBar()->setValue(memo->verticalScrollBar()->value());
    settle();
    // Wall time, and the processor time of this thread, which a busy
    // machine disturbs far less.
    std::vector<double> times[2][2]; // [colours][processor]
    constexpr int Pairs = 51;
    for (int i = 0; i < Pairs; ++i) {
        for (bool colours : {i % 2 == 0, i % 2 != 0}) {
            QElapsedTimer timer;
            const double processor = threadCpuMs();
            timer.start();
            (colours ? memo : &plainMemo)->viewport()->repaint();
            times[colours][0].push_back(timer.nsecsElapsed() / 1e6);
            times[colours][1].push_back(threadCpuMs() - processor);
        }
    }
    for (const bool processor : {false, true}) {
        const double colouredMs = median(times[1][processor]);
        const double plainMs = median(times[0][processor]);
        bench::report(QStringLiteral("full repaint with colours%1 (median of %2, paired)")
                          .arg(processor ? QStringLiteral(", processor time") : QString())
                          .arg(Pairs),
                      colouredMs, QStringLiteral("ms"), 0,
                      QStringLiteral("x%1 of plain %2 ms").arg(colouredMs / plainMs, 0, 'f', 2).arg(plainMs, 0, 'f', 2));
    }
    editor->closeWithoutQuery();
    settle();

    // 2.3 MB of minified markup on one line, wrapped and coloured.
    const QString line = writeFile(dir, "line.htm", pageBytes(2300000 / 113, " "));
    const double lineOpen = openUntilDrawn(mainform, line, &editor);
    bench::report(QStringLiteral("open a 2.3 MB single-line page, until drawn"), lineOpen, QStringLiteral("ms"));
    memo = editor->memo();
    memo->SetSelStart(memo->TextLength() / 2);
    memo->ensureCursorVisible();
    settle();
    const double keyCpuBefore = cpuMs();
    const double key = bench::medianMs(11, [&] { typeKey(memo); });
    bench::report(QStringLiteral("typing in the middle of a 2.3 MB line, key to repaint (median of 11)"), key,
                  QStringLiteral("ms"), 50,
                  QStringLiteral("processor time %1 ms each").arg((cpuMs() - keyCpuBefore) / 11, 0, 'f', 1));
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 10; ++i)
        typeKey(memo);
    editor->writeDocument();
    bench::report(QStringLiteral("10 keys and a save in the 2.3 MB line"), timer.nsecsElapsed() / 1e6,
                  QStringLiteral("ms"));
    editor->closeWithoutQuery();
    return 0;
}
