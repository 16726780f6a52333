#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "support/FindControl.h"
#include "support/WindowTest.h"

namespace {

// A T piece in the middle of an empty well: every action is allowed there, and
// each has its own visible outcome. Lying with its point up (17), it turns
// left into 18, pointing left, and right into 16, pointing right.
constexpr int TShape = 17;

// What the engine did to the falling T between two observations.
std::string Outcome(const PieceState& before, const PieceState& after) {
    if (after.Kazu != before.Kazu) return "drops at once";
    if (after.Shape != before.Shape) {
        if (before.Shape == TShape && after.Shape == 18) return "turns left";
        if (before.Shape == TShape && after.Shape == 16) return "turns right";
        return "changes shape";
    }
    if (after.X == before.X - 1 && after.Y == before.Y) return "moves left";
    if (after.X == before.X + 1 && after.Y == before.Y) return "moves right";
    if (after.X == before.X && after.Y == before.Y + 1) return "falls one row";
    if (after.X == before.X && after.Y == before.Y) return "nothing";
    return "moves elsewhere";
}

struct KeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* outcome;
};

class KeyHookTest : public WindowTest {
protected:
    // Presses each key on a freshly placed piece and compares what happened.
    void Check(const std::vector<KeyCase>& cases) {
        for (const KeyCase& c : cases) {
            SCOPED_TRACE(c.name);
            PlacePiece(TShape, 3, 10);
            const PieceState before = Piece();
            Press(c.key, c.modifiers);
            EXPECT_EQ(Outcome(before, Piece()), c.outcome);
        }
    }
};

constexpr Qt::KeyboardModifiers None = Qt::NoModifier;
constexpr Qt::KeyboardModifiers Keypad = Qt::KeypadModifier;

TEST_F(KeyHookTest, DefaultKeysDriveThePieceAndTheKeypadIsToldApartWithNumLockOnAndOff) {
    Open();
    StartGame();
    Check({
        {"Up", Qt::Key_Up, None, "turns left"},
        {"X", Qt::Key_X, None, "turns right"},
        {"Shift+X: Shift is not looked at", Qt::Key_X, Qt::ShiftModifier, "turns right"},
        {"Z", Qt::Key_Z, None, "turns left"},
        {"Space", Qt::Key_Space, None, "drops at once"},
        {"Down", Qt::Key_Down, None, "falls one row"},
        {"Left", Qt::Key_Left, None, "moves left"},
        {"Right", Qt::Key_Right, None, "moves right"},
        {"Ctrl+Right: Ctrl is not looked at", Qt::Key_Right, Qt::ControlModifier, "moves right"},
        {"keypad 8", Qt::Key_8, Keypad, "turns left"},
        {"keypad 8, Num Lock off", Qt::Key_Up, Keypad, "turns left"},
        {"keypad 5", Qt::Key_5, Keypad, "turns left"},
        {"keypad 5, Num Lock off", Qt::Key_Clear, Keypad, "turns left"},
        {"keypad 2", Qt::Key_2, Keypad, "falls one row"},
        {"keypad 2, Num Lock off", Qt::Key_Down, Keypad, "falls one row"},
        {"keypad 0", Qt::Key_0, Keypad, "drops at once"},
        {"keypad 0, Num Lock off", Qt::Key_Insert, Keypad, "drops at once"},
        {"keypad 4", Qt::Key_4, Keypad, "moves left"},
        {"keypad 4, Num Lock off", Qt::Key_Left, Keypad, "moves left"},
        {"keypad 6", Qt::Key_6, Keypad, "moves right"},
        {"keypad 6, Num Lock off", Qt::Key_Right, Keypad, "moves right"},
        {"keypad 7", Qt::Key_7, Keypad, "nothing"},
        {"keypad 9, Num Lock off", Qt::Key_PageUp, Keypad, "nothing"},
        {"8 of the main row", Qt::Key_8, None, "nothing"},
        {"Insert of the main block", Qt::Key_Insert, None, "nothing"},
        {"A", Qt::Key_A, None, "nothing"},
        {"Alt+Left, a system key", Qt::Key_Left, Qt::AltModifier, "nothing"},
    });
}

TEST_F(KeyHookTest, StoredKeySettingsAreUsedAsTheyAreWithoutARangeTest) {
    Open({{"Key/Key1", "4"},
          {"Key/Key2", "-1"},
          {"Key/Key3", "7"},
          {"Key/Key4", "9"},
          {"Key/Key5", "3"},
          {"Key/Key6", "0"},
          {"Key/Key9", "2147483647"}});
    StartGame();
    Check({
        {"Up set to 4, not used", Qt::Key_Up, None, "nothing"},
        {"Down set to -1", Qt::Key_Down, None, "nothing"},
        {"Space set to 7", Qt::Key_Space, None, "nothing"},
        {"X set to 9", Qt::Key_X, None, "nothing"},
        {"keypad 2 set to the largest number", Qt::Key_2, Keypad, "nothing"},
        {"Z set to turn right", Qt::Key_Z, None, "turns right"},
        {"keypad 8 set to drop faster", Qt::Key_8, Keypad, "falls one row"},
        {"Left stays fixed", Qt::Key_Left, None, "moves left"},
    });
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(KeyHookTest, AStoredTenMinimisesLikeEsc) {
    Open({{"Key/Key3", "10"}});
    StartGame();
    Press(Qt::Key_Space);
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(KeyHookTest, KeysAreIgnoredWhileIdleAndPaused) {
    Open();
    for (const char* state : {"idle", "paused"}) {
        SCOPED_TRACE(state);
        if (state == std::string("paused")) {
            StartGame();
            PlacePiece(TShape, 3, 10);
            PauseGame();
        }
        const PieceState before = Piece();
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_X, Qt::Key_Down, Qt::Key_Space})
            Press(key);
        EXPECT_EQ(Outcome(before, Piece()), "nothing");
    }
    // Resumed, the same keys act again.
    window->GamePauseClick();
    WaitForEngine();
    const PieceState before = Piece();
    Press(Qt::Key_Left);
    EXPECT_EQ(Outcome(before, Piece()), "moves left");
}

TEST_F(KeyHookTest, KeysPressedDuringAStepAreDroppedNotKeptForLater) {
    // A long wait after a completed row holds the step (Timer1 off) for a
    // second, with the playing title.
    Open({{"Setup/WTime", "1000"}, {"Sound/Enabeled", "0"}});
    StartGame();
    std::vector<std::pair<int, int>> bottomRow;
    for (int x = 1; x < 8; ++x)
        bottomRow.push_back({x, 24});
    FillCells(bottomRow);
    PlacePiece(2, 0, 10);
    const int nextShape = Piece().NextShape;

    QTest::keyClick(window->windowHandle(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Session().InActivePlay(); }, 5000));
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Space})
        QTest::keyClick(window->windowHandle(), key);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Session().InActivePlay(); }, 5000));

    const PieceState after = Piece();
    EXPECT_EQ(after.Kazu, "00001");
    EXPECT_EQ(after.Shape, nextShape);
    EXPECT_EQ(after.X, 3); // where every piece enters an 8-column well
}

TEST_F(KeyHookTest, EachPressActsOnceHoweverOftenTheFilterSeesIt) {
    Open();
    // A focus widget two levels below the window: an arrow it ignores travels
    // up through the central widget to the window itself.
    auto* focusable = new QWidget(window->centralWidget());
    focusable->setFocusPolicy(Qt::StrongFocus);
    focusable->show();
    focusable->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return focusable->hasFocus(); }, 2000));
    StartGame();

    const struct {
        const char* name;
        std::function<void()> press;
        int columns;
    } cases[] = {
        {"through the window system",
         [&] { QTest::keyClick(window->windowHandle(), Qt::Key_Left); }, -1},
        {"sent to the focus widget", [&] { QTest::keyClick(focusable, Qt::Key_Left); }, -1},
        {"sent to the main window",
         [&] {
             QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
             QApplication::sendEvent(window.get(), &press);
         },
         1},
        {"three auto-repeated presses of a held key",
         [&] {
             for (int i = 0; i < 3; ++i) {
                 QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
                 QApplication::sendEvent(focusable, &press);
             }
         },
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PlacePiece(TShape, 2, 10);
        const PieceState before = Piece();
        c.press();
        WaitForEngine();
        const PieceState after = Piece();
        EXPECT_EQ(after.X - before.X, c.columns);
        EXPECT_EQ(after.Shape, before.Shape);
    }
}

TEST_F(KeyHookTest, AnOpenMenuTakesTheKeysForItself) {
    Open();
    StartGame();
    PlacePiece(TShape, 3, 10);
    const PieceState before = Piece();
    QMenu menu(window.get());
    menu.addAction("item");
    menu.popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Space, Qt::Key_Escape})
        Press(key);
    EXPECT_EQ(Outcome(before, Piece()), "nothing");
    EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(menu.isVisible()) << "Esc closes the menu";
}

TEST_F(KeyHookTest, EscMinimisesTheApplicationInEveryState) {
    Open();
    const struct {
        const char* state;
        std::function<void()> enter;
    } states[] = {
        {"idle", [] {}},
        {"playing", [&] { StartGame(); }},
        {"paused", [&] { PauseGame(); }},
    };
    for (const auto& s : states) {
        SCOPED_TRACE(s.state);
        s.enter();
        Press(Qt::Key_Escape, Qt::AltModifier);
        EXPECT_FALSE(window->isMinimized()) << "Alt+Esc is a system key";
        Press(Qt::Key_Escape);
        EXPECT_TRUE(window->isMinimized());
        window->showNormal();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isMinimized(); }, 2000));
    }
}

TEST_F(KeyHookTest, EscInAMessageBoxOrADialogMinimisesAndTheDialogStillGetsIt) {
    Open();
    const struct {
        const char* name;
        std::function<void()> open;
    } dialogs[] = {
        {"the about box", [&] { window->MemuSetupClick(Find<QAction>(*window, "MenuAbout")); }},
        {"a modal dialog",
         [&] {
             QTimer::singleShot(0, window.get(), [&] {
                 QDialog dialog(window.get());
                 dialog.exec();
             });
         }},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.name);
        bool sent = false;
        QTimer escOnceShown;
        escOnceShown.setInterval(10);
        QObject::connect(&escOnceShown, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (sent || !modal || !modal->isActiveWindow()) return;
            sent = true;
            QTest::keyClick(modal->windowHandle(), Qt::Key_Escape);
        });
        escOnceShown.start();
        // A dialog that Esc failed to close would hold the test in its modal
        // loop for good: it is closed after a while, and the test fails.
        bool closedByTest = false;
        QTimer fallback;
        fallback.setSingleShot(true);
        QObject::connect(&fallback, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                closedByTest = true;
                modal->close();
            }
        });
        fallback.start(5000);
        d.open();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return sent && !QApplication::activeModalWidget(); }, 10000));
        EXPECT_FALSE(closedByTest);
        EXPECT_TRUE(window->isMinimized());
        window->showNormal();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isMinimized(); }, 2000));
    }
}

} // namespace
