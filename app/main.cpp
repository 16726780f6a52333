#include <QApplication>

#include "app/BrimalM.h"
#include "app/platform/PlatformStart.h"
#include "app/platform/TerminationSignal.h"
#include "app/records/ReplayMode.h"
#include "components/PMsgDlg.h"
#include "components/UseLanguage.h"
#include "resources/Resources.h"
#include "resources/Version.h"
#include "settings/LanguageStore.h"
#include "settings/SettingsStore.h"

#include <vector>

int main(int argc, char* argv[]) {
    std::vector<char*> arguments = QtArguments(argc, argv);
    int argumentCount = static_cast<int>(arguments.size()) - 1;
    QApplication app(argumentCount, arguments.data());
    AnnounceProgram();
    QCoreApplication::setOrganizationName("Kelvox");
    QCoreApplication::setApplicationName("Brimal");
    QCoreApplication::setApplicationVersion(BRIMAL_VERSION);
    // The installed command is the lower-case brimal; its messages keep the
    // title Brimal that the program has in its build folder.
    SetApplicationTitle(CommandTitle(QCoreApplication::applicationFilePath()));
    // Japanese, with Qt's own Japanese texts, unless English has been chosen;
    // Japanese too should the English catalogue not load.
    if (!UseLanguage(LoadLanguage(SettingsStore()))) UseLanguage(Language::Japanese);
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
