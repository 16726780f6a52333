#include <QApplication>

#include "app/BrimalM.h"
#include "app/PlatformChoice.h"
#include "app/ReplayMode.h"
#include "app/TerminationSignal.h"
#include "components/PMsgDlg.h"
#include "components/QtJapanese.h"
#include "resources/Resources.h"
#include "resources/Version.h"

#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    // Qt picks its platform when the application object is made, so the
    // choice comes first. It goes in as Qt's own -platform option, which the
    // programs that the game starts (the help file's viewer) do not inherit.
    std::vector<char*> arguments(argv, argv + argc);
    std::string platform = ChoosePlatform(ProcessEnvironment, XServerAnswers);
    static char platformOption[] = "-platform";
    if (!platform.empty())
        arguments.insert(arguments.begin() + 1, {platformOption, platform.data()});
    int argumentCount = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);

    QApplication app(argumentCount, arguments.data());
    QCoreApplication::setOrganizationName("Kelvox");
    QCoreApplication::setApplicationName("Brimal");
    QCoreApplication::setApplicationVersion(BRIMAL_VERSION);
    QGuiApplication::setDesktopFileName(BRIMAL_APP_ID);
    // The installed command is the lower-case brimal; its messages keep the
    // title Brimal that the program has in its build folder.
    SetApplicationTitle(CommandTitle(QCoreApplication::applicationFilePath()));
    InstallQtJapanese();
    Resources::Init();
    QApplication::setWindowIcon(Resources::AppIcon());

    TBrimalM window;
    // SIGTERM closes the window the same way as the quit command, so the
    // position is saved.
    CloseOnTermination(&window);
    window.show();
    // brimal --replay FILE [--speed N]: the replay starts once the window is up.
    if (const std::optional<ReplayRequest> request = ReplayArguments(app.arguments())) {
        QMetaObject::invokeMethod(
            &window, [&window, request] { window.Replays().PlayRequest(*request); },
            Qt::QueuedConnection);
    }
    return app.exec();
}
