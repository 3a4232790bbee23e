// Search and Replace through the real windows on a 10 MB page.
#include "benchreport.h"
#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "search/criteriadialog.h"
#include "search/replaceform.h"
#include "search/replacescan.h"
#include "search/searchmatcher.h"
#include "settings/sharedtexts.h"
#include "shell/mainform.h"
#include "ui/prompts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <functional>

namespace {

constexpr int Lines = 200000;

// 10 MB in 200 000 lines; every other line holds one "class" attribute.
QString largePage()
{
    QString text;
    text.reserve(Lines * 52);
    for (int i = 0; i < Lines; ++i) {
        text += i % 2 ? QLatin1String("<tr><td class=\"c\">Cell text of a row</td><td>x</td>\r\n")
                      : QLatin1String("<tr><td>Cell text of another row</td><td>xyz</td></tr>\r\n");
    }
    return text;
}

// Fills the dialogs in and answers every question with one button.
class BenchPrompts final : public Prompts::Handler
{
public:
    std::function<void(TCriteriaDialog &)> fill;
    Prompts::Button answer = Prompts::Button::Yes;
    int asked = 0;

    Prompts::Button message(const Prompts::Message &) override
    {
        ++asked;
        return answer;
    }
    Prompts::FileResult openFile(const Prompts::FileDialog &, bool) override { return {}; }
    Prompts::FileResult saveFile(const Prompts::FileDialog &) override { return {}; }
    QString folder(const QString &, const QString &) override { return {}; }
    std::optional<QColor> color(const QColor &) override { return std::nullopt; }
    bool print(QPrinter &, int) override { return false; }
    int runDialog(QDialog &dialog) override
    {
        dialog.show();
        fill(static_cast<TCriteriaDialog &>(dialog));
        static_cast<TCriteriaDialog &>(dialog).okButton->click();
        return dialog.result();
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    bench::useTemporaryConfig(dir.path());

    QApplication app(argc, argv);
    BenchPrompts prompts;
    Prompts::setHandler(&prompts);
    Tmainform mainform;
    mainform.FormCreate();
    mainform.resize(1280, 800);
    mainform.show();

    const QString page = largePage();
    Teditform *editor = mainform.openDocument(SharedTexts::BlankName.text());
    editor->memo()->SetText(page);
    QApplication::processEvents();

    // The scan alone, without the windows.
    const SearchMatcher absent(QStringLiteral("tbody"), false);
    const double scan = bench::medianMs(5, [&] { absent.indexIn(page, 0, page.size()); });
    bench::report(QStringLiteral("scan 10 MB, nothing found"), scan, QStringLiteral("ms"));
    const SearchMatcher present(QStringLiteral("class=\"c\""), false);
    const double replaceScan = bench::medianMs(5, [&] {
        ReplaceScan run(page, present, QStringLiteral("class=\"d\""));
        run.beginBatch();
        while (run.findNext())
            run.replace();
        if (run.takeBatch().size() != Lines / 2)
            qFatal("the replace scan missed occurrences");
    });
    bench::report(QStringLiteral("replace scan 10 MB, 100 000 occurrences"), replaceScan, QStringLiteral("ms"));

    // Reading the text at every position, as a literal procedure would.
    QElapsedTimer timer;
    timer.start();
    editor->memo()->Text();
    const double perRead = timer.nsecsElapsed() / 1e6;
    bench::report(QStringLiteral("read the memo's text"), perRead, QStringLiteral("ms"));
    const double literalHours = perRead * page.size() / 3.6e6;

    prompts.fill = [](TCriteriaDialog &d) {
        d.searchEdit->setText(QStringLiteral("tbody"));
        d.globalButton->setChecked(true);
    };
    const double search = bench::medianMs(5, [&] { mainform.search(); });
    bench::report(QStringLiteral("Search 10 MB page, nothing found"), search, QStringLiteral("ms"), 200,
                  QStringLiteral("literal procedure ~%1 h").arg(literalHours, 0, 'f', 0));

    prompts.fill = [](TCriteriaDialog &d) {
        d.searchEdit->setText(QStringLiteral("class=\"c\""));
        static_cast<Treplaceform &>(d).replaceEdit->setText(QStringLiteral("class=\"d\""));
    };
    prompts.answer = Prompts::Button::All;
    prompts.asked = 0;
    timer.restart();
    mainform.replace();
    const double replaceAll = timer.nsecsElapsed() / 1e6;
    const QString result = editor->memo()->Text();
    if (prompts.asked != 1 || result.count(QLatin1String("class=\"d\"")) != Lines / 2
        || result.size() != page.size())
        qFatal("replace with All did not replace every occurrence");
    bench::report(QStringLiteral("Replace All 10 MB page, 100 000 occurrences"), replaceAll, QStringLiteral("ms"),
                  2000);

    editor->closeWithoutQuery();
    Prompts::setHandler(nullptr);
    return 0;
}
