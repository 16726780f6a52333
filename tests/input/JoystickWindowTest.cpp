#include <QTest>
#include <SDL.h>
#include <functional>

#include "components/Joystick.h"
#include "joystick/JoystickTestSupport.h"
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
            stick = std::make_unique<VirtualJoystick>(padKind);
            ASSERT_TRUE(stick->Attached());
            stick->Neutral();
        }
        Open();
        if (gameAtOpen) StartGame();
    }
    void TearDown() override {
        WindowTest::TearDown();
        stick.reset();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    bool padAtOpen = true;
    PadKind padKind{SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 2, 0};
    bool gameAtOpen = true;
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

// A game controller's Start, with no game started when the window opens.
class PadStartWindowTest : public JoystickWindowTest {
protected:
    PadStartWindowTest() {
        padKind = SdlGameController;
        gameAtOpen = false;
    }
    static constexpr int StartButton = 6;

    // Presses Start and holds it for a dozen reports; whether the title comes
    // to read `expected` and keeps it while Start is held.
    bool HoldStartUntil(const QString& expected) {
        stick->Button(StartButton, true);
        const bool reached = QTest::qWaitFor([&] { return Title() == expected; }, 5000);
        const bool changed =
            QTest::qWaitFor([&] { return Title() != expected; }, 12 * Joystick::PollPeriodMs);
        stick->Button(StartButton, false);
        QTest::qWait(3 * Joystick::PollPeriodMs);
        return reached && !changed;
    }
};

// Each press acts once however long it is held: a second action would pause
// the game just started, or resume the one just paused.
TEST_F(PadStartWindowTest, StartStartsAGamePausesItAndResumesItOncePerPress) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->SdlStarted(); }, 5000));
    ASSERT_EQ(Title(), IdleTitle);
    EXPECT_TRUE(HoldStartUntil(PlayingTitle));
    EXPECT_TRUE(HoldStartUntil(PausedTitle));
    EXPECT_TRUE(HoldStartUntil(PlayingTitle));
}

// Another window active, of this program or another: a pad on the desk starts
// and resumes nothing.
TEST_F(PadStartWindowTest, StartDoesNothingWhileTheWindowIsNotActive) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->SdlStarted(); }, 5000));
    QWidget other;
    other.show();
    for (const QString& title : {IdleTitle, PausedTitle}) {
        SCOPED_TRACE(title.toStdString());
        if (title == PausedTitle) {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            StartGame();
            PauseGame();
        }
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        stick->Button(StartButton, true);
        QTest::qWait(200);
        stick->Button(StartButton, false);
        QTest::qWait(100);
        Sync();
        EXPECT_EQ(Title(), title);
    }
}

} // namespace
