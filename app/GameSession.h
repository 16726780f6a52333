#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>

#include "engine/GameSettings.h"

class BoardSurface;
class BoardWindow;
class Engine;
class EngineThread;
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
// ticks come on the clock's thread and are queued there too.
class GameSession {
public:
    GameSession(BoardWindow& window, QObject* windowObject, TGameSettings& settings,
                const SdlSession& sdl, MMTimerService::ServiceSeam* timerSeam);
    ~GameSession(); // Close()
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Queues an engine operation; it never waits. Dropped once closed.
    void Post(std::function<void(Engine&)> operation);
    // Runs an operation and waits until it is done. Only where nothing long
    // can be queued before it: at start-up, and in tests. It does not count
    // for WhenIdle, so it must not start a game while a question is out.
    void RunOnEngine(const std::function<void(Engine&)>& operation);
    // Carries `command` out on the UI thread once the engine has answered that
    // no game is on and nothing has been posted since the question (a Start
    // posted meanwhile makes it ask again). While a game is playing or paused
    // the command is dropped. The UI thread never waits for the answer.
    void WhenIdle(std::function<void()> command);

    bool InActivePlay() const;
    bool Timer1Enabled() const;
    // Holds Timer1 at `milliseconds` after every engine operation, whatever
    // period the game has set (0 lets the game's period stand again): a long
    // run can then play at the fastest period, 10 ms, which a game otherwise
    // reaches only after some 170 landings. For the soak and tests; the
    // program never holds it.
    void HoldFallPeriod(int milliseconds);
    const BoardSurface& Surface() const { return *surface_; }
    SoundPlayer& Sound() { return *sound_; }

    // Cuts a sound the engine waits for short, lets the operation under way
    // end, drops the queue, and switches Timer1 off; the engine, its host, the
    // clock and the thread go. The surface and the silent sound player stay
    // until the session goes, as the window may still paint.
    void Close();
    bool Closed() const { return closed_; }

private:
    void KeepHeldPeriod(); // engine thread

    QObject replies_; // context of the answers queued for the UI thread
    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<BoardSurface> surface_;
    std::unique_ptr<EngineThread> thread_;
    std::unique_ptr<FallClock> clock_;
    std::unique_ptr<WindowHost> host_;
    std::unique_ptr<Engine> engine_;
    std::uint64_t posted_ = 0; // operations posted without waiting so far (UI thread)
    int heldPeriod_ = 0;       // engine thread; 0: none
    bool closed_ = false;      // UI thread
};
