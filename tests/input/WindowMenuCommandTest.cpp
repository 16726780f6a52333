#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include "app/platform/CentreCommand.h"
#include "support/WindowTest.h"

namespace {

class WindowMenuCommandTest : public WindowTest {
protected:
    void MoveAway() {
        window->move(7, 5);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->pos() == QPoint(7, 5); }, 2000));
    }
    // The command takes its turn behind the commands given before it.
    void Centre() {
        window->WindowMenuCommand(11);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->Session().CommandsSettled(); }, 5000));
    }
    bool IsCentred() const {
        const QPoint offset =
            window->frameGeometry().center() - window->screen()->geometry().center();
        return offset.manhattanLength() <= 2;
    }
};

TEST_F(WindowMenuCommandTest, TheMenuHoldsASeparatorThenTheCentringCommand) {
    QMenu menu;
    std::vector<int> chosen;
    AddWindowMenuCommands(menu, [&](int id) { chosen.push_back(id); });
    const QList<QAction*> items = menu.actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_TRUE(items[0]->isSeparator());
    EXPECT_EQ(items[0]->data().toInt(), 10);
    EXPECT_EQ(items[1]->text(), QString("画面中央へ移動(&D)"));
    EXPECT_EQ(items[1]->data().toInt(), 11);
    items[1]->trigger();
    EXPECT_EQ(chosen, std::vector<int>{11});
}

TEST_F(WindowMenuCommandTest, CentresTheWindowEachTimeUnlessAGameIsInActivePlay) {
    Open();
    const struct {
        const char* state;
        std::function<void()> enter;
        bool centres;
    } states[] = {
        {"idle", [] {}, true},
        {"idle, used again", [] {}, true},
        {"in active play", [&] { StartGame(); }, false},
        {"paused", [&] { PauseGame(); }, true},
        {"stopped",
         [&] {
             window->GameStopClick();
             WaitForEngine();
         },
         true},
    };
    for (const auto& s : states) {
        SCOPED_TRACE(s.state);
        s.enter();
        MoveAway();
        Centre();
        EXPECT_EQ(IsCentred(), s.centres);
    }
}

TEST_F(WindowMenuCommandTest, OtherCommandIdsDoNothing) {
    Open();
    for (int id : {10, 12, 0, -11}) {
        SCOPED_TRACE(id);
        MoveAway();
        window->WindowMenuCommand(id);
        EXPECT_EQ(window->pos(), QPoint(7, 5));
    }
}

TEST_F(WindowMenuCommandTest, AMinimisedWindowIsRestoredAndCentred) {
    Open();
    MoveAway();
    window->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isMinimized(); }, 2000));
    Centre();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(IsCentred());
}

} // namespace
