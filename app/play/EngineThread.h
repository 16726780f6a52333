#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

// Runs every engine operation (a tick, an action, Start, Stop, pause, resume,
// activation, a repaint) on one thread of its own, one after another in the
// order they were posted, so that no two ever interleave. The user-interface
// thread and the fall clock post; nothing waits on the user-interface thread
// from here, so the window keeps painting while the engine waits.
class EngineThread {
public:
    EngineThread();
    ~EngineThread(); // Stop()

    EngineThread(const EngineThread&) = delete;
    EngineThread& operator=(const EngineThread&) = delete;

    // Queues an operation. After Stop() it is dropped.
    void Post(std::function<void()> operation);
    // Queues an operation and returns when it has run (or was dropped). Must
    // not be called from the engine thread itself.
    void PostAndWait(std::function<void()> operation);

    // Ends the thread: the operation under way finishes (its waits are cut
    // short), the queued ones are dropped, and the thread is joined. Safe to
    // call more than once; must not be called from the engine thread.
    void Stop();

    bool Stopping() const;
    bool OnEngineThread() const { return std::this_thread::get_id() == thread_.get_id(); }

    // A pause of the engine that Stop() cuts short. Call only from the engine
    // thread.
    void Sleep(int milliseconds);

private:
    void Run();

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> queue_; // guarded by mutex_
    bool stopping_ = false;                   // guarded by mutex_
    std::thread thread_;
};
