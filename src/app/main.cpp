#include "platform/prompts.h"
#include "shell/mainform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Markvale PRO"));
    QApplication::setApplicationDisplayName(QStringLiteral("Markvale PRO"));
    QApplication::setApplicationVersion(QStringLiteral(MARKVALE_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Orvanti"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("HTML source editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Files to open."),
                                 QStringLiteral("[FILE...]"));
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
