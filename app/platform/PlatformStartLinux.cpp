#include "app/platform/PlatformStart.h"

#include <QGuiApplication>
#include <string>

#include "app/platform/PlatformChoice.h"
#include "resources/Version.h"

std::vector<char*> QtArguments(int argc, char* argv[]) {
    // Qt picks its platform when the application object is made, so the
    // choice comes first. It goes in as Qt's own -platform option, which the
    // programs that the game starts (the help file's viewer) do not inherit.
    static std::string platform = ChoosePlatform(ProcessEnvironment, XServerAnswers);
    static char platformOption[] = "-platform";
    std::vector<char*> arguments(argv, argv + argc);
    if (!platform.empty())
        arguments.insert(arguments.begin() + 1, {platformOption, platform.data()});
    arguments.push_back(nullptr);
    return arguments;
}

void AnnounceProgram() {
    QGuiApplication::setDesktopFileName(BRIMAL_APP_ID);
}
