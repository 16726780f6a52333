#pragma once

#include <deque>
#include <functional>

// The window's commands, carried out in the order they were given, each
// exactly once. Most are engine operations (Start, Stop, Pause, the player's
// actions, activation changes, repaints): they go to the engine thread, which
// runs them in order. A setup command (settings, help, about, the centring
// command) runs here on the UI thread instead, and only if the game allows it
// at the command's turn among the operations. The game's state belongs to the
// engine thread, so the question is asked there, in turn.
//
// At most one question is out at a time. While it is, every later command is
// held here, in order, and nothing else is posted, so the answer still holds
// when it comes back: only the UI thread's own commands start a game (the
// fall clock ticks only while one is on) and none has reached the engine since
// the question. With the answer the command is carried out or dropped, then
// the held commands follow: operations are posted up to the next setup
// command, which asks its own question. So every operation is posted once and
// every question asked once; after a burst the queue is empty as soon as the
// last answer is in, and the UI thread never waits for one.
//
// A modal setup command takes the commands held behind it when it is carried
// out, as its dialog would have taken the keys pressed before it opened: they
// are dropped, so no game starts behind the dialog. Modal commands run only
// while no game is on; in that state the window's own notices among the held
// operations (activation, repaint) change nothing. Commands given while the
// setup command runs (its dialog is up) are held and follow it.
//
// A setup command that only asks that no game be in active play (the
// centring command) is never taken that way: no game is on while a modal
// command runs, so held behind one it is carried out just before the dialog
// opens, and given while the dialog is up it is carried out at once.
//
// Threads: every call on the UI thread. The questions run on the engine
// thread; their answers come back through `toUi`.
class CommandQueue {
public:
    using Task = std::function<void()>;

    struct SetupCommand {
        std::function<bool()> allowed; // asked on the engine thread
        Task run;                      // on the UI thread, when allowed
        bool modal = false;
        bool whileModal = false; // carried out at once while a modal command runs
    };

    // toEngine runs a task on the engine thread, after those handed to it
    // before; toUi runs a task on the UI thread later, never at once.
    CommandQueue(std::function<void(Task)> toEngine, std::function<void(Task)> toUi);

    void Post(Task operation);
    void Carry(SetupCommand command);

    // No question out and nothing held.
    bool Settled() const { return !asking_; }
    // Drops what is held; answers still to come and later calls do nothing.
    void Close();

private:
    struct Held {
        Task operation; // empty for a setup command
        SetupCommand setup;
    };
    void Ask(SetupCommand command);
    void Answer(bool allowed);

    std::function<void(Task)> toEngine_;
    std::function<void(Task)> toUi_;
    std::deque<Held> held_; // empty while no question is out
    SetupCommand asked_;
    bool asking_ = false;
    bool inModal_ = false; // a modal command runs (its dialog is up)
    bool closed_ = false;
};
