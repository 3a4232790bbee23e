#include "platform/prompts.h"
#include "settings/regops.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Markvale PRO"));
    QApplication::setApplicationDisplayName(QStringLiteral("Markvale PRO"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Markvale PRO"));
    window.setMinimumSize(578, 200);
    Prompts::setParentWindow(&window);

    LoadSettings();
    SaveSettings();
    ReadOrInstallTagTemplates([](const QString &text) {
        Prompts::message(Prompts::Kind::Information, text);
    });

    window.showMaximized();
    return app.exec();
}
