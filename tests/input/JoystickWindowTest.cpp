#include <QTest>
#include <SDL.h>

#include "audio/AudioTestSupport.h"
#include "input/WindowRig.h"

namespace {

// Joystick 1 is a virtual one, attached before the window is created so that
// the window captures it.
class JoystickWindowTest : public WindowTest {
protected:
    void SetUp() override {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
        stick = std::make_unique<VirtualJoystick>();
        ASSERT_TRUE(stick->Attached());
        stick->Set(0, 0, false, false);
        OpenWindow();
        StartGame();
    }
    void TearDown() override {
        WindowTest::TearDown();
        stick.reset();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    std::unique_ptr<VirtualJoystick> stick;
};

// Reports come every 15 ms on the event loop, which the waits below run;
// between two looks at the piece hardly more than one report arrives.
TEST_F(JoystickWindowTest, AHeldButtonTurnsThePiece) {
    PlacePiece(17, 3, 10);
    stick->Set(0, 0, true, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Piece().Shape != 17; }, 5000));
    stick->Set(0, 0, false, false);
}

TEST_F(JoystickWindowTest, TheStickMovesThePieceSideways) {
    PlacePiece(17, 3, 10);
    stick->Set(32767, 0, false, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Piece().X > 3; }, 5000));
    stick->Set(-32768, 0, false, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Piece().X < 3; }, 5000));
    stick->Set(0, 0, false, false);
}

TEST_F(JoystickWindowTest, NothingActsWhileTheGameIsPaused) {
    PlacePiece(17, 3, 10);
    window->GamePauseClick();
    WaitForEngine();
    const PieceState before = Piece();
    stick->Set(-32768, 32767, true, false);
    QTest::qWait(200);
    const PieceState after = Piece();
    EXPECT_EQ(std::make_tuple(after.X, after.Y, after.Shape),
              std::make_tuple(before.X, before.Y, before.Shape));
    stick->Set(0, 0, false, false);
}

} // namespace
