#include <QTest>
#include <cstdlib>

#include "components/SoundPlayer.h"
#include "engine/Engine.h"
#include "engine/KeyAction.h"
#include "support/FindControl.h"
#include "support/WindowTest.h"

namespace {

// A machine whose audio cannot start: SDL is told to use a driver that does
// not exist. Its own program, since SDL reads the driver's name when it starts.
class NoAudioDeviceWindowTest : public WindowTest {
protected:
    static void SetUpTestSuite() { setenv("SDL_AUDIODRIVER", "brimal-no-such-driver", 1); }
    // The message beeps go to the window's own player, which has no device.
    void SetUp() override {
        WindowTest::SetUp();
        services.Desktop.MessageBeep = {};
    }
};

TEST_F(NoAudioDeviceWindowTest, TheGameStartsPlaysAndClosesWithoutAnAudioDevice) {
    Open();
    ASSERT_FALSE(window->Session().Sound().HasDevice());
    PlayBrieflyAndClose();
}

TEST_F(NoAudioDeviceWindowTest, TheGamePlaysOnSilently) {
    DialogCatcher closer;
    Open({{"Sound/Enabeled", "1"}, {"Setup/WTime", "0"}});
    ASSERT_FALSE(window->Session().Sound().HasDevice());
    StartGame();
    // Two landings, the second completing a row; each row sound would wait.
    for (int landing = 0; landing < 2; ++landing) {
        if (landing == 1) {
            std::vector<std::pair<int, int>> row;
            for (int x = 1; x < 8; ++x)
                row.push_back({x, 24});
            FillCells(row);
        }
        PlacePiece(2, 0, 8);
        Press(Qt::Key_Space);
    }
    EXPECT_EQ(Piece().Kazu, "00002");
    EXPECT_TRUE(window->Session().InActivePlay());
    EXPECT_EQ(window->Session().Sound().LastStarted(), SoundSource::None);

    window->GameStopClick();
    WaitForEngine();
    window->MemuSetupClick(Find<QAction>(*window, "MenuAbout"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return closer.Count() == 1; }, 5000));
}

} // namespace
