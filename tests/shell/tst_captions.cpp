#include "colormemo/colormemo.h"
#include "editor/editform.h"
#include "editor/tdefform.h"
#include "editor/tdhtmlant.h"
#include "editor/tdhtmlsize.h"
#include "editor/tloadform.h"
#include "editor/tposform.h"
#include "ftp/conform.h"
#include "ftp/dataform.h"
#include "ftp/dirform.h"
#include "ftp/ftpform.h"
#include "ftp/nameform.h"
#include "project/projectdialogs.h"
#include "project/projectform.h"
#include "scriptedprompts.h"
#include "search/replaceform.h"
#include "search/searchform.h"
#include "settings/messagetable.h"
#include "settings/settings.h"
#include "settings/sharedtexts.h"
#include "shell/configform.h"
#include "shell/mainform.h"
#include "spell/spelloptionsdialog.h"
#include "testconfig.h"
#include "ui/captions.h"
#include "ui/helpviewer.h"
#include "wizards/dirdia.h"
#include "wizards/frwizard1.h"
#include "wizards/getmapname.h"
#include "wizards/imapform.h"
#include "wizards/layoutpages.h"
#include "wizards/shapeform.h"

#include <QAbstractButton>
#include <QAction>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// What a user sees of a caption, by the kind of object carrying it.
QString shownText(QObject *object, CaptionRole role)
{
    if (role == CaptionRole::Hint) {
        if (auto *action = qobject_cast<QAction *>(object))
            return action->statusTip();
        return qobject_cast<QWidget *>(object)->statusTip();
    }
    if (auto *action = qobject_cast<QAction *>(object))
        return action->text();
    if (auto *menu = qobject_cast<QMenu *>(object))
        return menu->title();
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(object))
        return group->title();
    auto *widget = qobject_cast<QWidget *>(object);
    QWidget *stack = widget->parentWidget();
    auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
    if (tabs && tabs->indexOf(widget) >= 0)
        return tabs->tabText(tabs->indexOf(widget));
    return widget->windowTitle();
}

// Records every table applied while the windows open, with what the check
// of each application found, and compares the shown captions with the rows.
class Observer final : public CaptionObserver
{
public:
    explicit Observer(int lang)
        : m_lang(lang)
        , m_previous(setCaptionObserver(this))
    {
    }
    ~Observer() override { setCaptionObserver(m_previous); }

    void applied(QObject *root, const QList<const CaptionTable *> &tables, int lang) override
    {
        // Before a language is chosen some dialogs show their English captions.
        if (lang != m_lang && !(m_lang == NoLanguage && lang == English))
            m_problems << QStringLiteral("%1 applied in Lang %2").arg(root->objectName()).arg(lang);
        for (const CaptionTable *table : tables)
            m_reached.insert(table);
        m_applied.append({root, tables});
        compare(root, tables);
    }
    void problem(const QString &text) override { m_problems << text; }

    // Once more after the windows have settled: nothing may overwrite a caption.
    void compareAgain()
    {
        for (const Application &a : std::as_const(m_applied)) {
            if (a.root)
                compare(a.root, a.tables);
        }
    }
    const QSet<const CaptionTable *> &reached() const { return m_reached; }
    QStringList problems() const { return m_problems; }

private:
    struct Application
    {
        QPointer<QObject> root;
        QList<const CaptionTable *> tables;
    };

    void compare(QObject *root, const QList<const CaptionTable *> &tables)
    {
        // A later table's row stands in for an earlier one of the same name.
        QHash<QString, const CaptionTable *> last;
        for (const CaptionTable *table : tables) {
            for (const CaptionRow &row : *table)
                last.insert(QLatin1String(row.name) + QString::number(int(table->role())), table);
        }
        for (const CaptionTable *table : tables) {
            for (const CaptionRow &row : *table) {
                if (last.value(QLatin1String(row.name) + QString::number(int(table->role()))) != table)
                    continue;
                QObject *control = findCaptioned(root, row.name);
                if (!control)
                    continue; // the check reports it
                const QString shown = shownText(control, table->role());
                const QString where = QStringLiteral("%1, %2: \"%3\"").arg(QString::fromUtf8(table->window()),
                                                                         QLatin1String(row.name), shown);
                if (m_lang == NoLanguage) {
                    // No language chosen: never a Danish or German caption.
                    for (int other : {Danish, German}) {
                        if (pick(row.text, other) != pick(row.text, English) && shown == pick(row.text, other))
                            m_problems << where + QStringLiteral(" without a language");
                    }
                } else if (shown != pick(row.text, m_lang)) {
                    m_problems << where + QStringLiteral(" instead of \"%1\"").arg(pick(row.text, m_lang));
                }
            }
        }
    }

    int m_lang;
    CaptionObserver *m_previous;
    QList<Application> m_applied;
    QSet<const CaptionTable *> m_reached;
    QStringList m_problems;
};

QImage picture()
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Opens every window of the program once, as a user would meet it.
void openEveryWindow(Tmainform &main, ScriptedPrompts &prompts)
{
    using Keep = std::unique_ptr<QWidget>;
    std::vector<Keep> kept;
    auto keep = [&kept](QWidget *window, bool show = false) {
        kept.emplace_back(window);
        if (show)
            window->show();
    };

    Teditform *editor = main.openDocument(SharedTexts::UntitledName.text());
    keep(new Tconfigform(std::function<void(const QString &)>()));
    auto *project = new Tprojectform(main);
    keep(project);
    project->ApplyLanguage();
    keep(new Tprojectname);
    keep(new Tsnipform);
    keep(new Tposform);
    auto *picker = new Tloadform;
    keep(picker);
    prompts.answerOpen({});
    picker->FormShow(QString()); // its captions are set when it is shown
    keep(new Tdhtmlant);
    keep(new Tdhtmlsize);
    keep(new Tdefform);
    keep(new TSpellOptionsDialog(SpellOptions(), nullptr, settings().Lang));
    keep(new Tsearchform, true);
    keep(new Treplaceform, true);
    keep(new Tgetmapname);
    keep(new Timapform(picture(), QStringLiteral("/w/logo.gif"), QStringLiteral("nav.map")));
    keep(new Tshapeform(picture()));
    keep(new Tfrwizard1);
    keep(new Tdirdia(QStringLiteral("/tmp")));
    for (int layout = 1; layout <= 4; ++layout) {
        keep(createSizePage(layout, nullptr).release());
        keep(createNamesPage(layout, nullptr).release());
        keep(createOptionsPage(layout, nullptr).release());
    }
    keep(new Tftpform(FtpMode::Download, main));
    keep(new Tconform, true);
    keep(new Tdataform, true);
    keep(new Tdirform);
    keep(new Tnewdirform);
    keep(new Tfileform);

    Help::showContents();
    keep(Help::window());

    // The spell dialog lives only while a check runs.
    editor->memo()->SetText(QStringLiteral("Thiss"));
    prompts.answerDialog([](QDialog &dialog) { dialog.reject(); });
    editor->findChild<QAction *>(QStringLiteral("Spellcheck1"))->trigger();
    editor->memo()->SetModified(false);
}

// The placeholders %1..%9 of a text, in order of their numbers.
QList<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QList<QString> found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found << m.captured();
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

// The names of the tables defined in the sources, found by their definitions.
QStringList definedTables(const QString &type)
{
    const QRegularExpression definition(QStringLiteral("\\b%1\\s+\\w+\\s*[{(]\\s*\"([^\"]+)\"").arg(type));
    QStringList names;
    QDirIterator it(QStringLiteral(MARKVALE_SOURCE_DIR "/src"), {QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString source = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &m : definition.globalMatch(source))
            names << m.captured(1);
    }
    return names;
}

} // namespace

// Every window speaks the language it is opened in, control by control as
// its caption tables say, with no caption outside them, and without a chosen
// language keeps its design. Every table of the program is reached.
class TestCaptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyTableReachesItsWindow_data()
    {
        QTest::addColumn<int>("lang");
        for (int lang : {0, 1, 2, 3})
            QTest::addRow("Lang %d", lang) << lang;
    }
    void everyTableReachesItsWindow()
    {
        QFETCH(int, lang);
        TestConfig config;
        config.writeLanguage(lang);
        ScriptedPrompts prompts;
        if (lang == 0)
            prompts.answerDialog([](QDialog &chooser) { chooser.reject(); });
        Observer observer(lang);
        Tmainform main;
        main.FormCreate();
        openEveryWindow(main, prompts);
        observer.compareAgain();

        QStringList problems = observer.problems();
        QStringList registered;
        for (const CaptionTable *table : CaptionTable::all()) {
            registered << QString::fromUtf8(table->window());
            if (!observer.reached().contains(table))
                problems << QStringLiteral("no window applies the table of %1").arg(QString::fromUtf8(table->window()));
        }
        // A table this test does not link is not registered either.
        for (const QString &name : definedTables(QStringLiteral("CaptionTable"))) {
            if (!registered.contains(name))
                problems << QStringLiteral("the table of %1 is not linked into this test").arg(name);
        }
        for (Teditform *editor : main.editors())
            editor->closeWithoutQuery();
        for (const QString &problem : std::as_const(problems))
            qWarning("%s", qPrintable(problem));
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 problems").arg(problems.size())));
    }

    // A translation that lost or gained a placeholder shows "%2" or drops the
    // file name in that language only.
    void everyMessageHasItsPlaceholdersInEachLanguage()
    {
        QStringList problems;
        int rows = 0;
        QStringList registered;
        for (const MessageTable *table : MessageTable::all())
            registered << QString::fromUtf8(table->name());
        for (const QString &name : definedTables(QStringLiteral("MessageTable"))) {
            if (!registered.contains(name))
                problems << QStringLiteral("the messages of %1 are not linked into this test").arg(name);
        }
        for (const MessageTable *table : MessageTable::all()) {
            for (const Message *message : table->rows()) {
                ++rows;
                const QString english = message->text(English);
                for (int lang : {Danish, German}) {
                    const QString text = message->text(lang);
                    if (text.isEmpty() || placeholders(text) != placeholders(english))
                        problems << QStringLiteral("%1: \"%2\" in Lang %3: \"%4\"")
                                        .arg(QString::fromUtf8(table->name()), english)
                                        .arg(lang)
                                        .arg(text);
                }
            }
        }
        QVERIFY(rows > 0);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
