#include "ui/helpviewer.h"
#include "ui/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>

namespace {

const QStringList Languages = {QStringLiteral("en"), QStringLiteral("da"), QStringLiteral("de")};

QString pageText(const QUrl &url)
{
    QFile file(QLatin1Char(':') + url.path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The anchors a page offers, as the help window's browser sees them.
QStringList anchorsOf(const QUrl &url)
{
    QTextDocument document;
    document.setHtml(pageText(url));
    QStringList names;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            names << it.fragment().charFormat().anchorNames();
    }
    return names;
}

QStringList pagesOf(const QString &language)
{
    return QDir(QStringLiteral(":/help/") + language).entryList({QStringLiteral("*.html")});
}

// True when the URL is a page of that language's own folder, not a fallback.
bool inFolderOf(const QUrl &url, const QString &language)
{
    return url.path().startsWith(QStringLiteral("/help/%1/").arg(language));
}

QTextBrowser *browser()
{
    return Help::window() ? Help::window()->findChild<QTextBrowser *>() : nullptr;
}

} // namespace

// The help pages and the help window: every help context the program asks
// for leads to a page and an anchor in each language's own pages, links
// between pages stay in the language, and a Help button in a message box
// opens the page without closing the box.
class TestHelpViewer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Help::setLanguage(QStringLiteral("en")); }

    void everyContextLeadsToItsAnchor_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Languages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyContextLeadsToItsAnchor()
    {
        QFETCH(QString, language);
        Help::setLanguage(language);
        for (int context : Help::contexts()) {
            const QUrl url = Help::pageUrl(Help::topicOf(context));
            QVERIFY2(url.isValid(), qPrintable(Help::topicOf(context)));
            QVERIFY2(inFolderOf(url, language), qPrintable(url.toString()));
            QCOMPARE(url.fragment(), QString::number(context));
            QVERIFY2(anchorsOf(url).contains(url.fragment()), qPrintable(url.toString()));
        }
    }

    void everyContextInTheSourceIsKnown()
    {
        // Help contexts are numbers written on lines that speak of help.
        const QDir sources(QStringLiteral(MARKVALE_SOURCE_DIR));
        QVERIFY(sources.exists(QStringLiteral("ui/helpviewer.cpp")));
        const QRegularExpression number(QStringLiteral("(?<![\\w.])(\\d{4,5})(?![\\w.])"));
        int found = 0;
        QDirIterator it(sources.path(), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith(QLatin1String("helpviewer.cpp")))
                continue;
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i) {
                if (!lines.at(i).contains(QLatin1String("help"), Qt::CaseInsensitive))
                    continue;
                for (const auto &match : number.globalMatch(lines.at(i))) {
                    ++found;
                    QVERIFY2(!Help::topicOf(match.captured(1).toInt()).isEmpty(),
                             qPrintable(QStringLiteral("%1:%2: help context %3 has no page")
                                            .arg(path).arg(i + 1).arg(match.captured(1))));
                }
            }
        }
        QVERIFY(found > 0);
    }

    void linksBetweenPagesWork_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : Languages)
            QTest::newRow(qPrintable(language)) << language;
    }

    void linksBetweenPagesWork()
    {
        QFETCH(QString, language);
        Help::setLanguage(language);
        const QRegularExpression link(QStringLiteral("href=\"([^\":]+)\""));
        const QStringList pages = pagesOf(language);
        QVERIFY(pages.contains(QStringLiteral("index.html")));
        for (const QString &page : pages) {
            const QString text = pageText(Help::pageUrl(page));
            for (const auto &match : link.globalMatch(text)) {
                const QUrl target = Help::pageUrl(match.captured(1));
                QVERIFY2(target.isValid() && inFolderOf(target, language),
                         qPrintable(page + QLatin1String(" -> ") + match.captured(1)));
                if (target.hasFragment())
                    QVERIFY2(anchorsOf(target).contains(target.fragment()), qPrintable(match.captured(1)));
            }
        }
    }

    void missingPagesComeFromEnglish()
    {
        Help::setLanguage(QStringLiteral("da"));
        QCOMPARE(Help::pageUrl(QStringLiteral("index.html")), QUrl(QStringLiteral("qrc:/help/da/index.html")));
        QVERIFY(!Help::pageUrl(QStringLiteral("nosuchpage.html")).isValid());
        Help::setLanguage(QStringLiteral("xx"));
        QCOMPARE(Help::pageUrl(QStringLiteral("index.html")), QUrl(QStringLiteral("qrc:/help/en/index.html")));
        QVERIFY(Help::topicOf(4711).isEmpty());
    }

    void windowOpensAtThePageAndFollowsLinks()
    {
        Help::showHelp(5202);
        QVERIFY(Help::window() && Help::window()->isVisible());
        QCOMPARE(browser()->source(), QUrl(QStringLiteral("qrc:/help/en/imagemap.html#5202")));
        Help::showHelp(4711); // not a help context: the contents
        QCOMPARE(browser()->source(), QUrl(QStringLiteral("qrc:/help/en/index.html")));

        Help::setLanguage(QStringLiteral("da"));
        Help::showContents();
        QCOMPARE(browser()->source(), QUrl(QStringLiteral("qrc:/help/da/index.html")));
        browser()->setSource(QUrl(QStringLiteral("ftp.html#7104")));
        QCOMPARE(browser()->source(), QUrl(QStringLiteral("qrc:/help/da/ftp.html#7104")));
        QVERIFY(browser()->toPlainText().contains(QLatin1String("Forbindelsesdata")));
        browser()->setSource(QUrl(QStringLiteral("spellcheck.html")));
        QCOMPARE(browser()->source(), QUrl(QStringLiteral("qrc:/help/da/spellcheck.html")));
        Help::window()->hide();
    }

    void helpInAMessageBoxKeepsTheQuestionOpen()
    {
        bool helpShownOverBox = false;
        bool boxStayedOpen = false;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->button(QMessageBox::Help)->click();
            boxStayedOpen = box->isVisible();
            // The help window belongs to the box while it is open, so the
            // box's modality does not block it.
            helpShownOverBox = Help::window()->isVisible() && Help::window()->parentWidget() == box
                               && browser()->source().fragment() == QLatin1String("3300")
                               && !Help::window()->testAttribute(Qt::WA_Moved); // placed by the desktop
            box->button(QMessageBox::Ok)->click();
        });
        const Prompts::Button answer = Prompts::message(Prompts::Kind::Error, QStringLiteral("Drive gone"),
                                                        Prompts::Button::Ok | Prompts::Button::Help, 3300);
        QCOMPARE(answer, Prompts::Button::Ok);
        QVERIFY(boxStayedOpen);
        QVERIFY(helpShownOverBox);
        // Once the box has gone the help window is a window of its own again.
        QVERIFY(Help::window()->isVisible());
        QCOMPARE(Help::window()->parentWidget(), nullptr);
        Help::window()->hide();
    }

    void f1InPlatformDialogsOpensTheirPage_data()
    {
        QTest::addColumn<bool>("print");
        QTest::addColumn<int>("context");
        QTest::newRow("open") << false << 1100;
        QTest::newRow("picture") << false << 3006;
        QTest::newRow("print") << true << 1500;
    }

    void f1InPlatformDialogsOpensTheirPage()
    {
        QFETCH(bool, print);
        QFETCH(int, context);
        QString shown;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || !QTest::qWaitForWindowActive(dialog))
                return;
            poll.stop();
            QTest::keyClick(dialog, Qt::Key_F1);
            shown = browser() && Help::window()->isVisible() ? browser()->source().fragment() : QString();
            dialog->reject();
        });
        poll.start(10);
        if (print) {
            QPrinter printer;
            QVERIFY(!Prompts::print(printer, context));
        } else {
            Prompts::FileDialog open;
            open.directory = QDir::tempPath();
            open.helpContext = context;
            QVERIFY(!Prompts::openFile(open).accepted());
        }
        QCOMPARE(shown, QString::number(context));
        Help::window()->hide();
    }
};

QTEST_MAIN(TestHelpViewer)
#include "tst_helpviewer.moc"
