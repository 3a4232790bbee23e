#include "ui/helpviewer.h"

#include "ui/dialoghelpers.h"
#include "ui/named.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

// Resources of a static library are registered by hand, outside any namespace.
static void initHelpResources()
{
    Q_INIT_RESOURCE(help);
}

namespace {

QString g_language = QStringLiteral("en");

struct Topic
{
    int context;
    const char *page;
};

const Topic Topics[] = {
    {1022, "search.html#1022"},    {1100, "mainwindow.html#1100"}, {1400, "editor.html#1400"},
    {1500, "mainwindow.html#1500"}, {2500, "search.html#2500"},     {3006, "imagemap.html#3006"},
    {3007, "imagemap.html#3007"},  {3300, "mainwindow.html#3300"}, {4200, "editor.html#4200"},
    {4300, "spellcheck.html#4300"},
    {5100, "frames.html#5100"},    {5101, "frames.html#5101"},     {5102, "frames.html#5102"},
    {5103, "frames.html#5103"},    {5104, "frames.html#5104"},     {5200, "imagemap.html#5200"},
    {5201, "imagemap.html#5201"},  {5202, "imagemap.html#5202"},   {5300, "project.html#5300"},
    {5301, "project.html#5301"},   {5302, "project.html#5302"},    {5500, "editor.html#5500"},
    {6100, "config.html#6100"},    {7100, "ftp.html#7100"},        {7104, "ftp.html#7104"},
    {34000, "ftp.html#34000"},
};

const char *const ContentsPage = "index.html";

const char DesignTitle[] = "Markvale PRO Help";

// Sets the window's captions in the user's language; the designed ones stay without it.
std::function<void(QWidget *)> g_captioner;

QString resourcePath(const QString &folder, const QString &page)
{
    return QStringLiteral(":/help/%1/%2").arg(folder, page);
}

// Follows links through the language fallback, so a Danish page may link
// to a page that only exists in English.
class HelpBrowser final : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override
    {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        if (url.scheme() == QLatin1String("qrc") && url.path().startsWith(QLatin1String("/help/"))) {
            QString page = url.fileName();
            if (url.hasFragment())
                page += QLatin1Char('#') + url.fragment();
            const QUrl resolved = Help::pageUrl(page);
            if (resolved.isValid()) {
                QTextBrowser::doSetSource(resolved, type);
                return;
            }
        }
        QTextBrowser::doSetSource(name, type);
    }
};

// The help window: the pages in a browser with contents, back, forward and
// find on the shown page.
class THelpWindow : public QWidget
{
public:
    static THelpWindow *instance();
    static THelpWindow *existing() { return s_window; }

    void open(const QUrl &url);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    THelpWindow();
    void applyLanguage();
    void findNext();
    void stayUsableOver(QWidget *modal);

    static QPointer<THelpWindow> s_window;
    QTextBrowser *m_browser;
    QLineEdit *m_find;
    QWidget *m_modal = nullptr;
};

QPointer<THelpWindow> THelpWindow::s_window;

} // namespace

namespace Help {

void setCaptioner(std::function<void(QWidget *)> caption)
{
    g_captioner = std::move(caption);
}

void setLanguage(const QString &folder)
{
    g_language = folder.isEmpty() ? QStringLiteral("en") : folder;
}

QString language()
{
    return g_language;
}

QList<int> contexts()
{
    QList<int> all;
    for (const Topic &t : Topics)
        all << t.context;
    return all;
}

QString topicOf(int context)
{
    for (const Topic &t : Topics) {
        if (t.context == context)
            return QLatin1String(t.page);
    }
    return QString();
}

QUrl pageUrl(const QString &pageAndAnchor)
{
    initHelpResources();
    const qsizetype hash = pageAndAnchor.indexOf(QLatin1Char('#'));
    const QString page = hash < 0 ? pageAndAnchor : pageAndAnchor.left(hash);
    for (const QString &folder : {g_language, QStringLiteral("en")}) {
        if (!QFile::exists(resourcePath(folder, page)))
            continue;
        QUrl url(QStringLiteral("qrc:/help/%1/%2").arg(folder, page));
        if (hash >= 0)
            url.setFragment(pageAndAnchor.mid(hash + 1));
        return url;
    }
    return QUrl();
}

void showContents()
{
    THelpWindow::instance()->open(pageUrl(QLatin1String(ContentsPage)));
}

void showHelp(int context)
{
    const QString topic = topicOf(context);
    if (topic.isEmpty())
        showContents();
    else
        THelpWindow::instance()->open(pageUrl(topic));
}

QWidget *window()
{
    return THelpWindow::existing();
}

} // namespace Help

THelpWindow *THelpWindow::instance()
{
    if (!s_window) {
        s_window = new THelpWindow;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, s_window, &QObject::deleteLater);
    }
    return s_window;
}

THelpWindow::THelpWindow()
    : QWidget(nullptr, Qt::Window)
    , m_browser(new HelpBrowser(this))
    , m_find(new QLineEdit(this))
{
    setObjectName(QStringLiteral("helpwindow"));
    setWindowTitle(QString::fromUtf8(DesignTitle));
    // Closing the main window ends the program even while help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_browser->setObjectName(QStringLiteral("helpbrowser"));
    m_browser->setOpenExternalLinks(true);
    m_find->setObjectName(QStringLiteral("findedit"));
    m_find->setClearButtonEnabled(true);

    QPushButton *contents = DialogHelpers::button(this, "contentsbutton", "&Contents");
    QPushButton *back = DialogHelpers::button(this, "backbutton", "&Back");
    QPushButton *forward = DialogHelpers::button(this, "forwardbutton", "&Forward");
    auto *findLabel = named<QLabel>("findlabel", QStringLiteral("F&ind:"), this);
    findLabel->setBuddy(m_find);
    back->setEnabled(false);
    forward->setEnabled(false);

    connect(contents, &QPushButton::clicked, this, [] { Help::showContents(); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_find, &QLineEdit::returnPressed, this, &THelpWindow::findNext);

    auto *bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addStretch(1);
    bar->addWidget(findLabel);
    bar->addWidget(m_find);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);
    resize(720, 560);
    applyLanguage();
}

void THelpWindow::applyLanguage()
{
    if (g_captioner)
        g_captioner(this);
}

void THelpWindow::open(const QUrl &url)
{
    stayUsableOver(QApplication::activeModalWidget());
    applyLanguage();
    if (url.isValid())
        m_browser->setSource(url);
    show();
    raise();
    activateWindow();
}

void THelpWindow::findNext()
{
    const QString text = m_find->text();
    if (text.isEmpty() || m_browser->find(text))
        return;
    // From the top again.
    m_browser->moveCursor(QTextCursor::Start);
    m_browser->find(text);
}

// A modal dialog blocks every window but its own; while one is open the help
// window becomes one of its windows, and a window of its own again after.
void THelpWindow::stayUsableOver(QWidget *modal)
{
    if (modal == this || modal == m_modal)
        return;
    if (m_modal)
        m_modal->removeEventFilter(this);
    m_modal = modal;
    const bool visible = isVisible();
    const QRect geometry = this->geometry();
    setParent(modal, Qt::Window);
    if (modal)
        modal->installEventFilter(this);
    // A window on screen stays where it is; a hidden one is placed by the
    // window manager, since its geometry may never have been a real one
    // and would put its title bar off the screen.
    if (visible) {
        setGeometry(geometry);
        show();
    }
}

bool THelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_modal && event->type() == QEvent::Hide)
        stayUsableOver(nullptr);
    return QWidget::eventFilter(watched, event);
}
