#include <QTest>
#include <SDL.h>
#include <functional>

#include "audio/AudioTestSupport.h"
#include "components/Joystick.h"
#include "support/WindowTest.h"

namespace {

// Joystick 1 is a virtual one, attached before the window is created so that
// the window captures it (unless a test plugs its pads in later).
class JoystickWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
        if (padAtOpen) {
            stick = std::make_unique<VirtualJoystick>();
            ASSERT_TRUE(stick->Attached());
            stick->Set(0, 0, false, false);
        }
        Open();
        StartGame();
    }
    void TearDown() override {
        WindowTest::TearDown();
        stick.reset();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    bool padAtOpen = true;
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
    PauseGame();
    const PieceState before = Piece();
    stick->Set(-32768, 32767, true, false);
    QTest::qWait(200);
    const PieceState after = Piece();
    EXPECT_EQ(std::make_tuple(after.X, after.Y, after.Shape),
              std::make_tuple(before.X, before.Y, before.Shape));
    stick->Set(0, 0, false, false);
}

// No pad when the window opens; pads are plugged in and pulled out mid-game.
class JoystickHotPlugWindowTest : public JoystickWindowTest {
protected:
    JoystickHotPlugWindowTest() { padAtOpen = false; }

    // Plugs in a pad with its stick pushed to one side; whether the piece
    // then moves that way.
    bool PlugInPushing(Sint16 x) {
        const int from = Piece().X;
        stick = std::make_unique<VirtualJoystick>();
        EXPECT_TRUE(stick->Attached());
        stick->Set(x, 0, false, false);
        return QTest::qWaitFor([&] { return x > 0 ? Piece().X > from : Piece().X < from; }, 5000);
    }
};

TEST_F(JoystickHotPlugWindowTest, APadPluggedInPlaysAndOnePulledOutLeavesTheKeys) {
    PlacePiece(17, 3, 10);
    EXPECT_TRUE(PlugInPushing(32767));

    // Pulled out with the stick still pushed: nothing moves the piece any more,
    // but the keys do.
    stick.reset();
    PlacePiece(17, 3, 10);
    QTest::qWait(300);
    EXPECT_EQ(Piece().X, 3);
    Press(Qt::Key_Left);
    EXPECT_EQ(Piece().X, 2);

    // Plugged back in, it plays again.
    EXPECT_TRUE(PlugInPushing(-32768));
    stick->Set(0, 0, false, false);
}

// The D-pad of every kind of pad moves the piece: a plain joystick's hat and a
// game controller's D-pad buttons, each plugged in mid-game. The hat's
// up-left is up and left, and up cancels the left.
TEST_F(JoystickHotPlugWindowTest, EveryPadsDPadMovesThePieceAndUpLeftDoesNothing) {
    const struct {
        const char* name;
        PadKind kind;
        std::function<void(VirtualJoystick&)> push;
        bool moves;
    } cases[] = {
        {"hat left", PlainJoystick, [](VirtualJoystick& p) { p.Hat(SDL_HAT_LEFT); }, true},
        {"D-pad left", SdlGameController, [](VirtualJoystick& p) { p.Button(13, true); }, true},
        {"hat up-left", PlainJoystick, [](VirtualJoystick& p) { p.Hat(SDL_HAT_LEFTUP); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PlacePiece(17, 3, 10);
        stick = std::make_unique<VirtualJoystick>(c.kind);
        ASSERT_TRUE(stick->Attached());
        stick->Neutral();
        c.push(*stick);
        if (c.moves) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return Piece().X < 3; }, 5000));
        } else {
            // Taken up within a search period, then a dozen reports.
            QTest::qWait(Joystick::SearchPeriodMs + 200);
            EXPECT_EQ(Piece().X, 3);
        }
        stick.reset();
    }
}

} // namespace
