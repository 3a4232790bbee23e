#include "ui/dialogrunner.h"

namespace DialogRunner {

namespace {

HelpHandler &helpHandler()
{
    static HelpHandler current;
    return current;
}

} // namespace

HelpHandler setHelpHandler(HelpHandler handler)
{
    HelpHandler previous = std::move(helpHandler());
    helpHandler() = std::move(handler);
    return previous;
}

void showHelp(int topic)
{
    if (helpHandler())
        helpHandler()(topic);
}

} // namespace DialogRunner
