#pragma once

#include "scriptedprompts.h"
#include "testconfig.h"
#include "shell/mainform.h"

#include <QByteArray>
#include <QSize>

#include <memory>

// The set-up window tests share: a main window as the program starts it,
// over a fresh configuration, with scripted prompts. A test class derives
// from it, starts the window in init() or initTestCase() and stops it in the
// matching clean-up.
class MainWindowFixture
{
protected:
    // Starts over a store past its first start in `lang`, with the lines
    // `more`; an empty `size` keeps the window's own. Unless told not to,
    // waits until the window is on screen; false when it never was.
    bool startMainWindow(int lang = 1, QSize size = QSize(1000, 700), const QByteArray &more = QByteArray(),
                         bool waitUntilShown = true);
    // Closes the editor windows without asking, then the main window; the
    // prompts and the store go last.
    void stopMainWindow();

    std::unique_ptr<TestConfig> config;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<Tmainform> main;

};
