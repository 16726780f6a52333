#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QTemporaryFile>
#include <QTest>
#include <QWindow>
#include <csignal>

#include "app/platform/TerminationSignal.h"
#include "app/view/BoardWidgets.h"
#include "engine/Engine.h"
#include "support/FindControl.h"
#include "support/WindowTest.h"

namespace {

using LifecycleTest = WindowTest;

// Where the window goes when no position is stored: the outer window of the
// default well (221 x 404 client pixels), frame included, centred on the
// screen. (Qt's offscreen platform draws a frame of 2 pixels.)
QPoint CentredForDefaultSize(const TBrimalM& window) {
    const QSize screen = window.screen()->geometry().size();
    const QSize outer =
        QSize(221, 404 + window.menuBar()->height()).grownBy(window.windowHandle()->frameMargins());
    return QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

QStringList StoredKeys() {
    QSettings stored(WindowTest::StorePath(), QSettings::IniFormat);
    QStringList keys = stored.allKeys();
    keys.sort();
    return keys;
}

TEST_F(LifecycleTest, AFirstRunOpensTheDefaultWellIdleAndCentred) {
    Open();
    EXPECT_EQ(Title(), IdleTitle);
    EXPECT_EQ(window->GameSettings().WellWidth, 8);
    EXPECT_EQ(window->GameSettings().WellHeight, 25);
    EXPECT_EQ(window->pos(), CentredForDefaultSize(*window));
    EXPECT_FALSE(window->Session().Timer1Enabled());
}

TEST_F(LifecycleTest, AStoredWellSizeIsAppliedAfterThePositionWithTheTopLeftCornerKept) {
    WriteStore("[Setup]\nSizeX=12\nSizeY=30\n");
    Open();
    EXPECT_EQ(window->centralWidget()->size(), QSize(16 * 12 + 93, 16 * 30 + 4));
    EXPECT_EQ(window->pos(), CentredForDefaultSize(*window));
}

TEST_F(LifecycleTest, AStoredPositionIsUsedUnchangedEvenOffTheScreen) {
    WriteStore("[Setup]\nTop=-40\nLeft=2500\n");
    Open();
    EXPECT_EQ(window->pos(), QPoint(2500, -40));
}

TEST_F(LifecycleTest, SoundFilesThatAreGoneFallBackToTheBuiltInClipsForTheRun) {
    QTemporaryFile existing;
    ASSERT_TRUE(existing.open());
    WriteStore("[Sound]\n1-3=/no/such/folder/clear.wav\n4=" +
               QFile::encodeName(existing.fileName()) + "\nGND=Standard\n");
    Open();
    const auto& files = window->GameSettings().SoundFiles;
    EXPECT_EQ(files[1], "Standard");
    EXPECT_EQ(files[2], existing.fileName().toStdString());
    EXPECT_EQ(files[3], "Standard");
    // Only in memory: the store keeps the name.
    EXPECT_EQ(StoredValue("Sound/1-3"), "/no/such/folder/clear.wav");
}

TEST_F(LifecycleTest, EveryWayOfClosingSavesThePositionAndNothingElse) {
    struct Way {
        const char* name;
        std::function<void(TBrimalM&)> close;
    };
    const Way ways[] = {
        {"quit command", [](TBrimalM& w) { Find<QAction>(w, "Exit1")->trigger(); }},
        {"close box", [](TBrimalM& w) { w.close(); }},
        {"SIGTERM",
         [](TBrimalM& w) {
             CloseOnTermination(&w);
             std::raise(SIGTERM);
         }},
    };
    int left = 100;
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        QFile::remove(StorePath());
        Open();
        window->move(++left, 57);
        QCoreApplication::processEvents();
        way.close(*window);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 5000));
        EXPECT_EQ(StoredValue("Setup/Top"), "57");
        EXPECT_EQ(StoredValue("Setup/Left"), QString::number(left));
        EXPECT_EQ(StoredKeys(), (QStringList{"Setup/Left", "Setup/Top"}));
        window.reset();
    }
}

TEST_F(LifecycleTest, ClosingDuringAGameStopsItWithoutAQuestion) {
    Open();
    StartGame();
    window->move(40, 30);
    DialogCatcher catcher;
    window->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(catcher.Count(), 0);
    EXPECT_FALSE(window->Session().Timer1Enabled());
    EXPECT_EQ(StoredValue("Setup/Top"), "30");
    EXPECT_EQ(StoredValue("Setup/Left"), "40");

    // No step runs any more: the well stays as it was.
    const QImage before = Find<WellView>(*window, "GG")->grab().toImage();
    QTest::qWait(700);
    EXPECT_EQ(Find<WellView>(*window, "GG")->grab().toImage(), before);
}

TEST_F(LifecycleTest, WhatTheEngineLeftForTheWindowIsDroppedAfterTheClose) {
    Open();
    window->GameGameClick();
    // The game has started on the engine thread; its title, counters and
    // drawing are still queued for the window when the window closes.
    window->Session().RunOnEngine([](Engine&) {});
    window->close();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(Title(), IdleTitle);
}

TEST_F(LifecycleTest, ASignalWhileTheGameOverMessageIsUpClosesBoth) {
    Open();
    window->GameSettings().SoundOn = false;
    CloseOnTermination(window.get());
    StartGame();
    DropUntilGameOver();
    bool windowClosedUnderTheMessage = false;
    DialogCatcher catcher([&](QDialog& dialog) {
        std::raise(SIGTERM);
        windowClosedUnderTheMessage =
            QTest::qWaitFor([&] { return !window->isVisible() && !dialog.isVisible(); }, 5000);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return catcher.Count() == 1; }, 5000));
    EXPECT_TRUE(windowClosedUnderTheMessage);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(StoredValue("Setup/Top").isEmpty());
}

// Stands in for whatever may run the event loop while the window is being
// made (a message box, a slow platform call) at a moment when the application
// gains or loses activation: at every event the window receives until it is
// shown, the activation flips.
class ActivationFlipper : public QObject {
public:
    int flips = 0;

protected:
    bool eventFilter(QObject* watched, QEvent*) override {
        if (busy_ || !dynamic_cast<TBrimalM*>(watched)) return false;
        busy_ = true;
        ++flips;
        emit qApp->applicationStateChanged(flips % 2 ? Qt::ApplicationInactive
                                                     : Qt::ApplicationActive);
        busy_ = false;
        return false;
    }

private:
    bool busy_ = false;
};

TEST_F(LifecycleTest, ActivationChangesWhileTheWindowIsBeingMadeAreHarmless) {
    ActivationFlipper flipper;
    qApp->installEventFilter(&flipper);
    Open();
    qApp->removeEventFilter(&flipper);
    EXPECT_GT(flipper.flips, 10);
    EXPECT_EQ(Title(), IdleTitle);
    StartGame();
    EXPECT_TRUE(window->Session().InActivePlay());
}

} // namespace
