#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "components/HelpFile.h"
#include "engine/Engine.h"
#include "engine/KeyAction.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"
#include "support/FindControl.h"
#include "support/WindowTest.h"

namespace {

enum class State { Idle, Playing, Paused };

const char* Name(State state) {
    return state == State::Idle ? "Idle" : state == State::Playing ? "Playing" : "Paused";
}

// A settled block in the bottom-left corner, away from where pieces fall:
// it stays until the board is reset.
constexpr int MarkerCode = 7;

class StateTableTest : public WindowTest {
protected:
    // From any state to `state`, with the marker block in the well.
    void Enter(State state) {
        window->GameStopClick();
        Sync();
        if (state != State::Idle) StartGame();
        if (state == State::Paused) PauseGame();
        window->Session().RunOnEngine([](Engine& game) {
            game.TheWell.SetCell(0, game.TheWell.Height() - 1, MarkerCode);
            game.FormPaint();
        });
        Sync();
    }
    bool MarkerKept() {
        return Read<int>([](Engine& game) {
                   return game.TheWell.GetCell(0, game.TheWell.Height() - 1);
               }) == MarkerCode;
    }
};

TEST_F(StateTableTest, EachCommandAndActivationChangeActsAsTheTableSays) {
    using Event = void (TBrimalM::*)();
    struct Cell {
        const char* event;
        Event handler;
        State from;
        QString title; // afterwards
        bool timer;    // Timer1 afterwards
        bool boardKept;
    };
    const Cell cells[] = {
        {"Start", &TBrimalM::GameGameClick, State::Idle, PlayingTitle, true, false},
        {"Start", &TBrimalM::GameGameClick, State::Playing, PlayingTitle, true, true},
        {"Start", &TBrimalM::GameGameClick, State::Paused, PlayingTitle, true, true},
        {"Stop", &TBrimalM::GameStopClick, State::Idle, IdleTitle, false, false},
        {"Stop", &TBrimalM::GameStopClick, State::Playing, IdleTitle, false, false},
        {"Stop", &TBrimalM::GameStopClick, State::Paused, IdleTitle, false, false},
        {"Pause", &TBrimalM::GamePauseClick, State::Idle, IdleTitle, false, true},
        {"Pause", &TBrimalM::GamePauseClick, State::Playing, PausedTitle, false, true},
        {"Pause", &TBrimalM::GamePauseClick, State::Paused, PlayingTitle, true, true},
        {"Deactivate", &TBrimalM::AppOnDeactivate, State::Idle, IdleTitle, false, true},
        {"Deactivate", &TBrimalM::AppOnDeactivate, State::Playing, PausedTitle, false, true},
        {"Deactivate", &TBrimalM::AppOnDeactivate, State::Paused, PausedTitle, false, true},
        {"Activate", &TBrimalM::AppOnActivate, State::Idle, IdleTitle, false, true},
        {"Activate", &TBrimalM::AppOnActivate, State::Playing, PlayingTitle, true, true},
        {"Activate", &TBrimalM::AppOnActivate, State::Paused, PausedTitle, false, true},
    };
    Open();
    window->GameSettings().SoundOn = false;
    for (const Cell& cell : cells) {
        SCOPED_TRACE(std::string(cell.event) + " in " + Name(cell.from));
        Enter(cell.from);
        (window.get()->*cell.handler)();
        Sync();
        EXPECT_EQ(Title(), cell.title);
        EXPECT_EQ(window->Session().Timer1Enabled(), cell.timer);
        EXPECT_EQ(MarkerKept(), cell.boardKept);
    }
}

TEST_F(StateTableTest, LosingActivationPausesAndRegainingItLeavesTheGamePaused) {
    Open();
    StartGame();
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    Sync();
    EXPECT_EQ(Title(), PausedTitle);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    Sync();
    EXPECT_EQ(Title(), PausedTitle);
    EXPECT_FALSE(window->Session().Timer1Enabled());
}

TEST_F(StateTableTest, ARepaintShowsTheFallingPieceOnlyWhileAGameIsOn) {
    const QRgb black = Resources::CellImage(0).pixel(8, 8);
    const QRgb pieceColour = Resources::CellImage(3).pixel(8, 8);
    const QRgb markerColour = Resources::CellImage(MarkerCode).pixel(8, 8);
    Open();
    const int bottom = window->GameSettings().WellHeight - 1;
    for (State state : {State::Idle, State::Playing, State::Paused}) {
        SCOPED_TRACE(Name(state));
        Enter(state);
        // The square (shape 1) over cells (0..1, 9..10); a tick may move it
        // one row down meanwhile, which leaves (0, 10) covered.
        window->Session().RunOnEngine([](Engine& game) {
            game.PieceShape = 1;
            game.PieceColor = 3;
            game.PieceX = 0;
            game.PieceY = 10;
            game.FormPaint();
        });
        Sync();
        EXPECT_EQ(ShownCell(0, 10), state == State::Idle ? black : pieceColour);
        EXPECT_EQ(ShownCell(0, bottom), markerColour);
    }
}

TEST_F(StateTableTest, AfterAResumeThePieceFallsOnePeriodLaterFromWhereItWas) {
    Open();
    StartGame();
    PauseGame();
    const int pausedAt = Piece().Y;
    QTest::qWait(700); // longer than the period of 500 ms
    EXPECT_EQ(Piece().Y, pausedAt) << "the piece fell while paused";

    for (auto resume : {&TBrimalM::GamePauseClick, &TBrimalM::GameGameClick}) {
        const int row = Piece().Y;
        QElapsedTimer sinceResume;
        sinceResume.start();
        (window.get()->*resume)();
        // Queued right behind the resume: no tick can come in between.
        EXPECT_EQ(Piece().Y, row) << "the piece moved at the resume itself";
        Sync();
        ASSERT_EQ(Title(), PlayingTitle);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Piece().Y == row + 1; }, 5000));
        // The first step comes a whole period after the resume, not when the
        // period under way at the pause would have ended. (A lower bound: a
        // busy machine only makes it later.)
        EXPECT_GE(sinceResume.elapsed(), 450);
        PauseGame();
    }
}

TEST_F(StateTableTest, SettingsHelpAndAboutAreCarriedOutOnlyWhileIdle) {
    Open();
    QString aboutText = Resources::Text(StringTable::AboutText);
    aboutText.replace("\r\n", "\n");

    for (State state : {State::Idle, State::Playing, State::Paused}) {
        for (QAction* item :
             {Find<QAction>(*window, "MemuSetup"), Find<QAction>(*window, "MenuHelp"),
              Find<QAction>(*window, "MenuAbout")}) {
            SCOPED_TRACE(std::string(Name(state)) + " " + item->text().toStdString());
            Enter(state);
            opened.clear();
            beeps.clear();
            DialogCatcher catcher;
            item->trigger();
            Sync();

            const bool idle = state == State::Idle;
            const QString title = idle                      ? IdleTitle
                                  : state == State::Playing ? PlayingTitle
                                                            : PausedTitle;
            EXPECT_EQ(Title(), title);
            if (item == Find<QAction>(*window, "MenuHelp")) {
                EXPECT_EQ(opened, idle ? std::vector<QString>{HelpFile()} : std::vector<QString>{});
                EXPECT_EQ(catcher.Count(), 0);
            } else if (item == Find<QAction>(*window, "MenuAbout")) {
                EXPECT_EQ(catcher.Texts(), idle ? QStringList{aboutText} : QStringList{});
                EXPECT_EQ(beeps,
                          idle ? std::vector{BeepKind::Information} : std::vector<BeepKind>{});
            } else {
                // The settings dialog resets the board when it has closed,
                // whether confirmed or not.
                EXPECT_EQ(MarkerKept(), !idle);
                if (!idle) {
                    EXPECT_EQ(catcher.Count(), 0);
                }
            }
            EXPECT_TRUE(opened.empty() || item == Find<QAction>(*window, "MenuHelp"));
        }
    }
}

TEST_F(StateTableTest, TheAboutMessageBeepsOnlyWhenSoundsAreOn) {
    Open();
    for (bool soundOn : {true, false}) {
        beeps.clear();
        window->GameSettings().SoundOn = soundOn;
        DialogCatcher catcher;
        window->MemuSetupClick(Find<QAction>(*window, "MenuAbout"));
        Sync();
        EXPECT_EQ(catcher.Count(), 1);
        EXPECT_EQ(beeps, soundOn ? std::vector{BeepKind::Information} : std::vector<BeepKind>{})
            << soundOn;
    }
}

TEST_F(StateTableTest, ASetupCommandGivenWhileIdleIsCarriedOutBeforeAStartGivenBehindIt) {
    // An opening drop of twenty pieces keeps the engine busy for a second or
    // so, while the window goes on with its events.
    WriteStore("[Setup]\nSizeX=10\nSizeY=30\n[Game]\nFall=1\nLevel=20\n[Sound]\nEnabeled=0\n");
    Open();
    // A window that waited for the drop would handle the beats only once it
    // is over, all but one of them merged away.
    int beatsDuringDrop = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] { beatsDuringDrop += Title() != PlayingTitle; });
    beat.start(10);
    QElapsedTimer clock;
    clock.start();
    window->MemuSetupClick(Find<QAction>(*window, "MenuHelp"));
    window->GameGameClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Title() == PlayingTitle; }, 20000));
    ASSERT_GT(clock.elapsed(), 400);
    EXPECT_GE(beatsDuringDrop, 5);
    EXPECT_EQ(opened, std::vector<QString>{HelpFile()});
    EXPECT_EQ(openedFor, std::vector<QWidget*>{window.get()});

    // The settings dialog takes a G given before it opened, as any key: no
    // game starts behind it, nor after it.
    Enter(State::Idle);
    QString titleBehind;
    DialogCatcher catcher([&](QDialog&) { titleBehind = Title(); });
    window->MemuSetupClick(Find<QAction>(*window, "MemuSetup"));
    window->GameGameClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Session().CommandsSettled(); }, 5000));
    Sync();
    EXPECT_EQ(catcher.Count(), 1);
    EXPECT_EQ(titleBehind, IdleTitle);
    EXPECT_EQ(Title(), IdleTitle);
}

TEST_F(StateTableTest, CommandsGivenDuringTheOpeningDropAreDropped) {
    WriteStore("[Setup]\nSizeX=10\nSizeY=30\n[Game]\nFall=1\nLevel=20\n[Sound]\nEnabeled=0\n");
    Open();
    DialogCatcher catcher;
    window->GameGameClick();
    QTest::qWait(50);
    ASSERT_EQ(Title(), IdleTitle) << "the drop ended too soon for the test";
    window->GamePauseClick();
    window->GameStopClick();
    window->MemuSetupClick(Find<QAction>(*window, "MenuAbout"));
    window->GameGameClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Title() == PlayingTitle; }, 20000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Session().CommandsSettled(); }, 5000));
    Sync();
    // Neither stopped nor paused; the dropped blocks are still there.
    EXPECT_EQ(Title(), PlayingTitle);
    EXPECT_TRUE(window->Session().Timer1Enabled());
    EXPECT_TRUE(Read<bool>([](Engine& game) {
        for (int y = 4; y < game.TheWell.Height(); ++y)
            if (game.TheWell.GetCell(5, y) != 0 || game.TheWell.GetCell(0, y) != 0) return true;
        return false;
    }));
    EXPECT_EQ(catcher.Count(), 0);
}

TEST_F(StateTableTest, CommandsGivenBeforeAGameOverWasShownDoNotActOnIt) {
    Open();
    window->GameSettings().SoundOn = false;
    StartGame();
    // Blocks everywhere but column 0: the piece lands where it is and the
    // next one cannot enter.
    window->Session().RunOnEngine([](Engine& game) {
        for (int y = 0; y < game.TheWell.Height(); ++y)
            for (int x = 1; x < game.TheWell.Width(); ++x)
                game.TheWell.SetCell(x, y, 1);
        game.FormPaint();
    });
    QStringList shownBehind;
    DialogCatcher catcher([&](QDialog&) { shownBehind << Title(); });
    window->Session().Post([](Engine& game) { game.DoAction(kaDropAll); });
    // Given while the game was on as far as the window showed.
    window->GameGameClick();
    window->MemuSetupClick(Find<QAction>(*window, "MenuAbout"));
    window->GameStopClick();
    window->MemuSetupClick(Find<QAction>(*window, "MemuSetup"));
    window->GameGameClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return catcher.Count() >= 1; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->Session().CommandsSettled(); }, 5000));
    Sync();
    EXPECT_EQ(catcher.Texts(), QStringList{"   GameOver!"});
    EXPECT_EQ(Title(), IdleTitle);
    EXPECT_EQ(Read<int>([](Engine& game) { return game.TheWell.GetCell(1, 0); }), 1)
        << "the final well was cleared";

    // Given once the message has been seen: carried out.
    window->GameGameClick();
    Sync();
    EXPECT_EQ(Title(), PlayingTitle);
}

} // namespace
