#include <QLabel>
#include <QTest>
#include <cstdlib>

#include "engine/Engine.h"
#include "resources/Resources.h"
#include "support/WindowTest.h"

namespace {

using GameOverTest = WindowTest;

TEST_F(GameOverTest, TheMessageComesCentredOverTheWindowAfterTheTitleIsIdle) {
    Open();
    window->GameSettings().SoundOn = false;
    window->move(30, 20);
    StartGame();
    DropUntilGameOver();

    QString text, dialogTitle, windowTitle;
    bool timer = true;
    QPointF offCentre;
    DialogCatcher catcher([&](QDialog& dialog) {
        const auto* message = dialog.findChild<QLabel*>("Message");
        text = message ? message->text() : QString();
        dialogTitle = dialog.windowTitle();
        windowTitle = Title();
        timer = window->Session().Timer1Enabled();
        offCentre =
            QRectF(dialog.frameGeometry()).center() - QRectF(window->frameGeometry()).center();
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return catcher.Count() == 1; }, 5000));
    EXPECT_EQ(text, "   GameOver!");
    // Titled after the program file, here the test program app_window_tests.
    EXPECT_EQ(dialogTitle, "app_window_tests");
    EXPECT_EQ(windowTitle, IdleTitle);
    EXPECT_FALSE(timer);
    // Centred on the window's frame, but for the half pixel that truncating
    // an odd difference in size leaves.
    EXPECT_LE(std::abs(offCentre.x()), 0.5) << offCentre.x();
    EXPECT_LE(std::abs(offCentre.y()), 0.5) << offCentre.y();

    // The last well stays until the next reset.
    Sync();
    EXPECT_EQ(Title(), IdleTitle);
    const int settled = Read<int>([](Engine& game) {
        int count = 0;
        for (int y = 0; y < game.TheWell.Height(); ++y)
            for (int x = 0; x < game.TheWell.Width(); ++x)
                count += game.TheWell.GetCell(x, y) != 0;
        return count;
    });
    EXPECT_GT(settled, 0);
}

} // namespace
