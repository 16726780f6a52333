#include "app/play/EngineThread.h"

#include <chrono>
#include <future>

EngineThread::EngineThread() : thread_([this] { Run(); }) {}

EngineThread::~EngineThread() {
    Stop();
}

void EngineThread::Post(std::function<void()> operation) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_) return;
        queue_.push_back(std::move(operation));
    }
    changed_.notify_all();
}

void EngineThread::PostAndWait(std::function<void()> operation) {
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    // Only the operation keeps the promise, so a dropped operation breaks it
    // and the wait ends all the same.
    Post([operation = std::move(operation), done = std::move(done)] {
        operation();
        done->set_value();
    });
    try {
        finished.get();
    } catch (const std::future_error&) {
        // Dropped by Stop().
    }
}

void EngineThread::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    queue_.clear();
}

bool EngineThread::Stopping() const {
    std::lock_guard lock(mutex_);
    return stopping_;
}

void EngineThread::Sleep(int milliseconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    std::unique_lock lock(mutex_);
    changed_.wait_until(lock, until, [this] { return stopping_; });
}

void EngineThread::Run() {
    for (;;) {
        std::function<void()> operation;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (stopping_) return;
            operation = std::move(queue_.front());
            queue_.pop_front();
        }
        operation();
    }
}
