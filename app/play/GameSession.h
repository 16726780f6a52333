#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "app/play/CommandQueue.h"
#include "engine/GameRecord.h"
#include "engine/GameSettings.h"
#include "resources/Resources.h"

class BoardSurface;
class BoardWindow;
class Engine;
class EngineHost;
class EngineThread;
class GameRecorder;
class FallClock;
class SdlSession;
class SoundPlayer;
class WindowHost;
namespace MMTimerService {
struct ServiceSeam;
}

// The game behind the main window: the engine and the thread it runs on, the
// fall clock Timer1 that ticks it, the board surface it draws into, the host
// that joins it to the window, and the sound player for its sounds and the
// message beeps. Everything is ready when the constructor returns; Close is
// the one way it ends, and after it nothing reaches the engine any more.
//
// Threads: made, used and closed on the UI thread. Engine operations run on the
// engine thread, one at a time in the order they were posted; the clock's
// ticks come on the clock's thread and are queued there too. The window's
// commands reach the engine through one queue (CommandQueue), which also
// carries out the setup commands in their turn.
class GameSession {
public:
    GameSession(BoardWindow& window, QObject* windowObject, TGameSettings& settings,
                const SdlSession& sdl, MMTimerService::ServiceSeam* timerSeam);
    ~GameSession(); // Close()
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // When a setup command may be carried out, and whether it shows a modal
    // dialog.
    enum class SetupKind {
        WhileIdle,       // help: only while no game is on
        DialogWhileIdle, // settings, about: a modal dialog, only while no game is on
        OutOfActivePlay, // the centring command: also while paused
    };

    // Queues an engine operation behind the commands given before it; it
    // never waits. Dropped once closed.
    void Post(std::function<void(Engine&)> operation);
    // The same for a command of the player's (Start, Stop, Pause), which is
    // judged against the game the player saw when giving it: if a game or an
    // opening drop has ended since, and the window has not shown that yet, it
    // is dropped. So nothing given during a drop acts after it, and G
    // hammered through a game's end starts no game behind its message.
    void PostCommand(std::function<void(Engine&)> operation);
    // Runs an operation and waits until it is done. Only where nothing long
    // can be queued before it: at start-up, and in tests. It overtakes the
    // commands held behind a setup command's question, so it must not change
    // the game's state while one is out (CommandsSettled).
    void RunOnEngine(const std::function<void(Engine&)>& operation);
    // Carries `command` out on the UI thread in its turn among the commands,
    // if the game then allows it and is the one the player saw (as for
    // PostCommand); otherwise it is dropped. The UI thread never waits for the
    // engine's answer.
    void RunSetupCommand(SetupKind kind, std::function<void()> command);
    // No setup command waits for its turn.
    bool CommandsSettled() const { return commands_->Settled(); }

    bool InActivePlay() const;
    bool Timer1Enabled() const;
    // Holds Timer1 at `milliseconds` after every engine operation, whatever
    // period the game has set (0 lets the game's period stand again): a long
    // run can then play at the fastest period, 10 ms, which a game otherwise
    // reaches only after some 170 landings. For the soak and tests; the
    // program never holds it.
    void HoldFallPeriod(int milliseconds);
    const BoardSurface& Surface() const { return *surface_; }
    // Draws with the plain or the patterned cell images from now on, in its
    // turn among the engine's operations, and shows the preview again with
    // them. The cells already in the well change when they are drawn again.
    void SetCellStyle(Resources::CellStyle style);
    // The window's own host, for an engine that replays a game on the engine
    // thread; used there only.
    EngineHost& Host();
    // Every game that ends by a piece that cannot enter is recorded; `handler`
    // receives its record on the UI thread, before the game-over message.
    void OnGameRecorded(std::function<void(const GameRecord&)> handler);
    SoundPlayer& Sound() { return *sound_; }

    // Cuts a sound the engine waits for short, lets the operation under way
    // end, drops the queue, and switches Timer1 off; the engine, its host, the
    // clock and the thread go. The surface and the silent sound player stay
    // until the session goes, as the window may still paint.
    void Close();
    bool Closed() const { return closed_; }

private:
    void AfterOperation(); // engine thread
    void KeepHeldPeriod(); // engine thread
    void PublishEnds();    // engine thread

    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<BoardSurface> surface_;
    std::unique_ptr<EngineThread> thread_;
    std::unique_ptr<FallClock> clock_;
    std::unique_ptr<WindowHost> host_;
    std::unique_ptr<GameRecorder> recorder_; // engine thread
    std::unique_ptr<Engine> engine_;
    std::function<void(const GameRecord&)> onGameRecorded_; // UI thread
    std::unique_ptr<CommandQueue> commands_;                // UI thread
    int heldPeriod_ = 0;                                    // engine thread; 0: none
    // Engine::Ends() as last told to the UI thread, and as the window has
    // shown it: the notice is queued behind the title and message of the end.
    int publishedEnds_ = 0; // engine thread
    int shownEnds_ = 0;     // UI thread
    bool closed_ = false;   // UI thread
    // The context of the answers queued for the UI thread; it goes first, and
    // answers not yet delivered go with it.
    QObject replies_;
};
