#include "shell/mainform.h"
#include "ui/prompts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <memory>

namespace {

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Markvale PRO, an HTML source editor."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Files to open."),
                                 QStringLiteral("[FILE...]"));
}

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Markvale PRO"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARKVALE_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Orvanti"));
}

// --help and --version answer without a display.
bool asksForInformationOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-v" || arg == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (asksForInformationOnly(argc, argv)) {
        QCoreApplication core(argc, argv);
        nameApplication();
        QCommandLineParser parser;
        describe(parser);
        parser.process(core); // prints and exits
        return 0;
    }

    QApplication app(argc, argv);
    nameApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral("markvale"));
    QCommandLineParser parser;
    describe(parser);
    parser.process(app);

    Tmainform mainform;
    Prompts::setParentWindow(&mainform);
    mainform.FormCreate();
    // Without a window manager nothing maximises; fill the screen anyway.
    mainform.setGeometry(mainform.screen()->availableGeometry());
    mainform.showMaximized();
    mainform.openFiles(parser.positionalArguments());
    return app.exec();
}
