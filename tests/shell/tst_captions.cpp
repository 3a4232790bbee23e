#include "editor/editform.h"
#include "editor/editortexts.h"
#include "editor/tdefform.h"
#include "editor/tdhtmlant.h"
#include "editor/tdhtmlsize.h"
#include "editor/tloadform.h"
#include "editor/tposform.h"
#include "ftp/conform.h"
#include "ftp/dataform.h"
#include "ftp/dirform.h"
#include "ftp/ftpform.h"
#include "ftp/ftpformtexts.h"
#include "project/projectdialogs.h"
#include "project/projectform.h"
#include "project/projecttexts.h"
#include "scriptedprompts.h"
#include "settings/settings.h"
#include "settings/sharedtexts.h"
#include "shell/configform.h"
#include "shell/configformtexts.h"
#include "shell/mainform.h"
#include "shell/mainformtexts.h"
#include "spell/spelloptionsdialog.h"
#include "spell/spelltexts.h"
#include "testconfig.h"
#include "wizards/getmapname.h"
#include "wizards/imapform.h"
#include "wizards/shapeform.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Builds a window of the program with the current language applied and
// returns the object its caption table is applied to.
using Keep = std::unique_ptr<QObject>;
using WindowFactory = std::function<QObject *(Tmainform &main, Keep &keep)>;

struct Window
{
    const char *name;
    const CaptionTable *table;
    CaptionRole role;
    WindowFactory make;
};

template<typename T, typename... Args>
QObject *owned(Keep &keep, Args &&...args)
{
    auto *window = new T(std::forward<Args>(args)...);
    keep.reset(window);
    return window;
}

// Windows that set their captions each time they are shown.
QObject *shown(QObject *window)
{
    static_cast<QWidget *>(window)->show();
    return window;
}

QImage picture()
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

const QList<Window> &windows()
{
    static const QList<Window> list = {
        {"main window", &MainCaptions, CaptionRole::Caption, [](Tmainform &main, Keep &) { return &main; }},
        {"main window hints", &MainHints, CaptionRole::Hint, [](Tmainform &main, Keep &) { return &main; }},
        {"editor window", &EditorCaptions, CaptionRole::Caption,
         [](Tmainform &main, Keep &) { return main.openDocument(sharedTexts().UntitledName); }},
        {"configuration dialog", &ConfigCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return owned<Tconfigform>(keep, std::function<void(const QString &)>()); }},
        {"project window", &ProjectCaptions, CaptionRole::Caption,
         [](Tmainform &main, Keep &keep) {
             auto *project = static_cast<Tprojectform *>(owned<Tprojectform>(keep, main));
             project->ApplyLanguage();
             return project;
         }},
        {"project name dialog", &ProjectNameCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return owned<Tprojectname>(keep); }},
        {"snippet dialog", &SnippetCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return owned<Tsnipform>(keep); }},
        {"jump dialog", &TposformCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return owned<Tposform>(keep); }},
        {"text picker", &TloadformCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) {
             auto *picker = static_cast<Tloadform *>(owned<Tloadform>(keep));
             ScriptedPrompts cancelTheFileDialog;
             cancelTheFileDialog.answerOpen({});
             picker->FormShow(QString()); // its captions are set when it is shown
             return picker;
         }},
        {"layer count dialog", &TdhtmlantCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return owned<Tdhtmlant>(keep); }},
        {"layer size dialog", &TdhtmlsizeCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return owned<Tdhtmlsize>(keep); }},
        {"defined tag dialog", &TdefformCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return owned<Tdefform>(keep); }},
        {"spell options", &SpellOptionsCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) {
             return owned<TSpellOptionsDialog>(keep, SpellOptions(), nullptr, settings().Lang);
         }},
        {"map name dialog", &TgetmapnameCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return owned<Tgetmapname>(keep); }},
        {"image map window", &TimapformCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) {
             return owned<Timapform>(keep, picture(), QStringLiteral("/w/logo.gif"), QStringLiteral("nav.map"));
         }},
        {"hot spot dialog", &TshapeformCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return owned<Tshapeform>(keep, picture()); }},
        {"FTP window", &TftpformCaptions, CaptionRole::Caption,
         [](Tmainform &main, Keep &keep) { return owned<Tftpform>(keep, FtpMode::Download, main); }},
        {"FTP connections", &TconformCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return shown(owned<Tconform>(keep)); }},
        {"FTP connection data", &TdataformCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return shown(owned<Tdataform>(keep)); }},
        {"FTP download folder", &TdirformCaptions, CaptionRole::Caption,
         [](Tmainform &, Keep &keep) { return owned<Tdirform>(keep); }},
    };
    return list;
}

QObject *findNamed(QObject *root, const char *name)
{
    const QString wanted = QLatin1String(name);
    if (root->objectName() == wanted)
        return root;
    if (QObject *own = root->findChild<QObject *>(wanted, Qt::FindDirectChildrenOnly))
        return own;
    return root->findChild<QObject *>(wanted);
}

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

} // namespace

// Every window speaks the language it is opened in, control by control as
// its caption table says, and without a chosen language keeps its design.
class TestCaptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRowReachesItsControl_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("lang");
        for (int w = 0; w < windows().size(); ++w) {
            for (int lang : {0, 1, 2, 3})
                QTest::addRow("%s, Lang %d", windows().at(w).name, lang) << w << lang;
        }
    }
    void everyRowReachesItsControl()
    {
        QFETCH(int, window);
        QFETCH(int, lang);
        const Window &w = windows().at(window);
        TestConfig config;
        config.writeLanguage(lang);
        ScriptedPrompts prompts;
        if (lang == 0)
            prompts.answerDialog([](QDialog &chooser) { chooser.reject(); });
        Tmainform main;
        main.FormCreate();
        Keep keep;
        QObject *root = w.make(main, keep);
        QVERIFY(root);

        for (const CaptionRow &row : *w.table) {
            QObject *control = findNamed(root, row.name);
            QVERIFY2(control, qPrintable(QStringLiteral("%1 has no control %2").arg(w.name, row.name)));
            const QString shown = shownText(control, w.role);
            if (lang == 0) {
                // No language chosen: never a Danish or German caption.
                for (int other : {2, 3}) {
                    const QString foreign = pick(row.text, other);
                    if (foreign != pick(row.text, 1))
                        QVERIFY2(shown != foreign, row.name);
                }
            } else {
                QCOMPARE(shown, pick(row.text, lang));
            }
        }
        for (Teditform *editor : main.editors())
            editor->closeWithoutQuery();
    }
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
