#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <SDL.h>

#include "support/DescribeSettings.h"
#include "support/FindControl.h"
#include "support/WindowTest.h"

namespace {

// Machines that lack a part the program uses: the game starts, plays and closes
// all the same. (Without an audio device: input_nodevice_tests.)
class MissingPartsWindowTest : public WindowTest {};

TEST_F(MissingPartsWindowTest, TheGamePlaysWithoutSdlsJoystickService) {
    services.Sdl.Joystick = false;
    Open();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_JOYSTICK), 0u);
    PlayBrieflyAndClose();
}

TEST_F(MissingPartsWindowTest, WithoutAHelpFileTheHelpCommandDoesNothingAndTheGamePlays) {
    QTemporaryDir nowhere;
    int lookups = 0;
    services.Desktop.HelpFilePath = [&] {
        ++lookups;
        return FindHelpFile({nowhere.path(), nowhere.path(), nowhere.path()});
    };
    Open();
    Find<QAction>(*window, "MenuHelp")->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return lookups == 1; }, 5000));
    EXPECT_TRUE(opened.empty());
    PlayBrieflyAndClose();
}

// A folder where the store file should be cannot be read nor written over, by
// root either.
TEST_F(MissingPartsWindowTest, WithAnUnreadableSettingsFileTheDefaultsApplyAndTheGamePlays) {
    ASSERT_TRUE(QDir().mkpath(StorePath()));
    Open();
    EXPECT_EQ(Describe(window->GameSettings()), Describe(TGameSettings{}));
    PlayBrieflyAndClose();
    EXPECT_TRUE(QFileInfo(StorePath()).isDir());
}

} // namespace
