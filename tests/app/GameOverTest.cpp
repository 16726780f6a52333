#include <QLabel>
#include <QScreen>
#include <QTest>

#include "components/PMsgDlg.h"
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
    QPoint at, expected;
    DialogCatcher catcher([&](QDialog& dialog) {
        const auto* message = dialog.findChild<QLabel*>("Message");
        text = message ? message->text() : QString();
        dialogTitle = dialog.windowTitle();
        windowTitle = Title();
        timer = window->Session().Timer1Enabled();
        at = dialog.pos();
        expected = PlaceCenteredDialog(window->frameGeometry(), dialog.frameGeometry().size(),
                                       window->screen()->availableGeometry());
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return catcher.Count() == 1; }, 5000));
    EXPECT_EQ(text, "   GameOver!");
    EXPECT_EQ(dialogTitle, ApplicationTitle(QCoreApplication::applicationFilePath()));
    EXPECT_EQ(windowTitle, IdleTitle);
    EXPECT_FALSE(timer);
    EXPECT_EQ(at, expected);

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
