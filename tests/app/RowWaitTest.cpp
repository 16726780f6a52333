#include <QLineEdit>
#include <QTest>

#include "engine/Engine.h"
#include "resources/Resources.h"
#include "support/FindControl.h"
#include "support/WindowTest.h"

namespace {

// A landing that completes the four bottom rows, with the longest wait after
// each: the step takes four seconds.
class RowWaitTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Prepare();
    }

    void Prepare() {
        Open();
        window->GameSettings().SoundOn = false;
        window->GameSettings().RowWait = 1000;
        StartGame();
        w = window->GameSettings().WellWidth;
        h = window->GameSettings().WellHeight;
        // Four rows full but for column 0, a marker block above them in the
        // last column, and a vertical bar in column 0 that the next tick
        // lands.
        window->Session().RunOnEngine([this](Engine& game) {
            for (int y = h - 4; y < h; ++y)
                for (int x = 1; x < w; ++x)
                    game.TheWell.SetCell(x, y, 7);
            game.TheWell.SetCell(w - 1, h - 5, 5);
            game.PieceShape = 2;
            game.PieceColor = 1;
            game.PieceX = 0;
            game.PieceY = h - 1;
            game.FormPaint();
        });
    }

    // Waits until the screen shows the first removed row blank while the
    // marker above it still stands where it was: the engine is inside the
    // waits of the landing.
    bool WaitForTheBlankedRow() {
        return QTest::qWaitFor(
            [&] {
                if (ShownCell(w - 1, h - 5) != marker) return false;
                for (int x = 0; x < w; ++x)
                    if (ShownCell(x, h - 4) != black) return false;
                return true;
            },
            10000);
    }

    const QRgb black = Resources::CellImage(0).pixel(8, 8);
    const QRgb marker = Resources::CellImage(5).pixel(8, 8);
    int w = 0;
    int h = 0;
};

TEST_F(RowWaitTest, TheBlankedRowsShowWhileTheEngineWaitsAfterThem) {
    EXPECT_TRUE(WaitForTheBlankedRow());
    // After the last wait the collapse is repainted: the marker has sunk
    // four rows, and the counters count the piece.
    ASSERT_TRUE(QTest::qWaitFor([&] { return ShownCell(w - 1, h - 1) == marker; }, 10000));
    EXPECT_EQ(ShownCell(w - 1, h - 5), black);
    Sync();
    EXPECT_EQ(Find<QLineEdit>(*window, "Kazu")->text(), "00001");
    EXPECT_EQ(Find<QLineEdit>(*window, "Line4")->text(), "01");
    EXPECT_EQ(Title(), PlayingTitle);
}

TEST_F(RowWaitTest, ACommandDuringTheWaitsHoldsWhenTheStepEnds) {
    struct Case {
        const char* name;
        void (TBrimalM::*command)();
        QString title;
        const char* kazu;
    };
    const Case cases[] = {
        {"Pause", &TBrimalM::GamePauseClick, PausedTitle, "00001"},
        {"Deactivate", &TBrimalM::AppOnDeactivate, PausedTitle, "00001"},
        {"Stop", &TBrimalM::GameStopClick, IdleTitle, "00000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (&c != cases) Prepare(); // a new window: the landing happens once
        ASSERT_TRUE(WaitForTheBlankedRow());
        (window.get()->*c.command)();
        Sync(); // the landing ends first, then the command runs
        EXPECT_EQ(Title(), c.title);
        EXPECT_FALSE(window->Session().Timer1Enabled());
        EXPECT_EQ(Find<QLineEdit>(*window, "Kazu")->text(), c.kazu);
        // The step that was under way did not leave the clock running.
        const int row = Piece().Y;
        QTest::qWait(700);
        EXPECT_EQ(Piece().Y, row);
    }
}

} // namespace
