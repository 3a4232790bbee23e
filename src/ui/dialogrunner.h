#pragma once

#include <functional>

// The Help buttons of the program's dialogs ask for a help topic through
// here; without a handler they do nothing. (The dialogs themselves run
// through Prompts::runDialog.)
namespace DialogRunner {

using HelpHandler = std::function<void(int topic)>;

// Installs a handler (an empty one removes it) and returns the one it replaces.
HelpHandler setHelpHandler(HelpHandler handler);
void showHelp(int topic);

} // namespace DialogRunner
