#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

// Keeps a test that opens a named pipe by mistake from hanging: once `patience`
// has passed, and until it is destroyed, it opens the pipe for writing every
// 20 ms, which lets a reader stuck in opening it go on; Unblocked() tells
// whether that was ever needed.
class PipeUnblocker {
public:
    PipeUnblocker(const QString& pipe, std::chrono::milliseconds patience)
        : thread_([this, path = QFile::encodeName(pipe), patience](std::stop_token stop) {
              const auto start = std::chrono::steady_clock::now();
              while (!stop.stop_requested()) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
                  if (std::chrono::steady_clock::now() - start < patience) continue;
                  // Without O_NONBLOCK this would wait for a reader itself.
                  const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd < 0) continue;
                  unblocked_ = true;
                  ::close(fd);
              }
          }) {}

    bool Unblocked() const { return unblocked_; }

private:
    std::atomic<bool> unblocked_ = false;
    std::jthread thread_; // last: it uses the flag; stopped and joined first
};
