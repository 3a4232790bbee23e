#include "mainwindowfixture.h"

#include "editor/editform.h"

#include <QTest>

bool MainWindowFixture::startMainWindow(int lang, QSize size, const QByteArray &more, bool waitUntilShown)
{
    config = std::make_unique<TestConfig>();
    config->writeLanguage(lang, more);
    prompts = std::make_unique<ScriptedPrompts>();
    main = std::make_unique<Tmainform>();
    main->FormCreate();
    if (size.isValid())
        main->resize(size);
    main->show();
    return !waitUntilShown || QTest::qWaitForWindowExposed(main.get());
}

void MainWindowFixture::stopMainWindow()
{
    if (main) {
        for (Teditform *editor : main->editors())
            editor->closeWithoutQuery();
    }
    main.reset();
    prompts.reset();
    config.reset();
}
