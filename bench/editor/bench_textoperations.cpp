// The line-break commands and Remove empty lines on a 10 MB selection, and the
// largest layer script, timed through the editor window's own menu items.
#include "benchreport.h"
#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "editor/snippettexts.h"
#include "settings/sharedtexts.h"
#include "shell/mainform.h"
#include "ui/prompts.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <ctime>

#include "editor/tdhtmlant.h"
#include "editor/tdhtmlsize.h"

namespace {

// Processor time of this process, in milliseconds: what a command costs
// whatever else the machine is doing.
double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

struct Timing
{
    double wallMs;
    double cpuMs;
};

// About 10 MB of markup in 200 000 lines, every fifth line empty and every
// 50th followed by a run of empty lines.
QString largeText()
{
    QString text;
    text.reserve(11 * 1024 * 1024);
    const QString row = QStringLiteral("<tr><td class=\"c\">Cell text of a row</td><td>x</td></tr>");
    for (int i = 0; i < 200000; ++i) {
        if (i % 5 == 0)
            text += QLatin1String("\r\n");
        else
            text += row + QLatin1String("\r\n");
        if (i % 50 == 0)
            text += QLatin1String("\r\n\r\n\r\n");
    }
    return text;
}

void waitUntilIdle()
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

// Answers the layer generator's two dialogs without a modal loop.
class LayerAnswers final : public Prompts::Handler
{
public:
    Prompts::Button message(const Prompts::Message &) override { return Prompts::Button::Ok; }
    Prompts::FileResult openFile(const Prompts::FileDialog &, bool) override { return {}; }
    Prompts::FileResult saveFile(const Prompts::FileDialog &) override { return {}; }
    QString folder(const QString &, const QString &) override { return {}; }
    std::optional<QColor> color(const QColor &) override { return std::nullopt; }
    bool print(QPrinter &, int) override { return false; }
    int runDialog(QDialog &dialog) override
    {
        if (auto *ant = qobject_cast<Tdhtmlant *>(&dialog)) {
            ant->countEdit->setText(QString::number(SnippetTexts::MaxLayers));
            return QDialog::Accepted;
        }
        return Tdhtmlsize::Skipped;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    bench::useTemporaryConfig(dir.path());

    QApplication app(argc, argv);
    Tmainform mainform;
    mainform.FormCreate();
    mainform.resize(1280, 800);
    mainform.show();
    waitUntilIdle();

    Teditform *editor = mainform.openDocument(SharedTexts::BlankName.text());
    TColorMemo *memo = editor->memo();
    const QString text = largeText();
    auto action = [editor](const char *name) {
        return editor->findChild<QAction *>(QLatin1String(name));
    };
    auto timeCommand = [&](const QString &content, const char *name, bool selectAll) {
        memo->SetText(content);
        waitUntilIdle();
        if (selectAll)
            memo->selectAll();
        QElapsedTimer timer;
        timer.start();
        const double cpu = cpuMs();
        action(name)->trigger();
        waitUntilIdle();
        memo->viewport()->repaint();
        return Timing{timer.nsecsElapsed() / 1e6, cpuMs() - cpu};
    };
    auto report = [](const QString &what, const Timing &t) {
        bench::report(what, t.wallMs, QStringLiteral("ms"), 1000);
        bench::report(what + QStringLiteral(", processor time"), t.cpuMs, QStringLiteral("ms"), 1000);
    };

    const QString mb = QString::number(text.size() / 1e6, 'f', 1);
    report(QStringLiteral("Set line breaks, %1 MB selection").arg(mb),
           timeCommand(text, "Setlinebreaks1", true));
    const QString withBreaks = memo->Text();
    report(QStringLiteral("Remove line breaks, %1 MB selection").arg(withBreaks.size() / 1e6, 0, 'f', 1),
           timeCommand(withBreaks, "removelinebreaks1", true));
    report(QStringLiteral("Remove empty lines, %1 MB document").arg(mb),
           timeCommand(text, "Removeemptylines1", false));

    // The editor's own part of every command: the undo snapshot of the whole text.
    memo->SetText(text);
    waitUntilIdle();
    const double before = cpuMs();
    editor->document().pushUndo();
    bench::report(QStringLiteral("undo snapshot of the %1 MB document, processor time").arg(mb),
                  cpuMs() - before, QStringLiteral("ms"));

    memo->SetText(QString());
    LayerAnswers answers;
    Prompts::Handler *previous = Prompts::setHandler(&answers);
    QElapsedTimer timer;
    timer.start();
    action("Generator1")->trigger();
    waitUntilIdle();
    bench::report(QStringLiteral("Layer generator, %1 layers").arg(SnippetTexts::MaxLayers),
                  timer.nsecsElapsed() / 1e6, QStringLiteral("ms"), 1000);
    Prompts::setHandler(previous);

    editor->closeWithoutQuery();
    return 0;
}
