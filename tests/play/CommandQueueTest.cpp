#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include "app/play/CommandQueue.h"
#include "app/play/EngineThread.h"

using namespace std::chrono_literals;

// Commands by letter: h a setup command with no dialog (help), d one with a
// modal dialog (settings), D the same dialog during which the centring
// command is given, c the centring command, s Start, t Stop, x another
// operation. The test's own thread plays the UI thread, `answers` its event
// queue.
TEST(CommandQueue, RunsEachCommandOnceInTheOrderGivenAndSettlesAfterABurst) {
    std::mutex mutex;
    std::condition_variable answered;
    std::deque<CommandQueue::Task> answers; // guarded by mutex
    std::string done;                       // guarded by mutex
    int posts = 0;
    bool gameOn = false; // engine thread
    EngineThread thread;
    CommandQueue queue(
        [&](CommandQueue::Task task) {
            ++posts;
            thread.Post(std::move(task));
        },
        [&](CommandQueue::Task task) {
            const std::scoped_lock lock(mutex);
            answers.push_back(std::move(task));
            answered.notify_one();
        });
    auto note = [&](char command) {
        const std::scoped_lock lock(mutex);
        done += command;
    };
    const CommandQueue::SetupCommand centre{[&] { return !gameOn; }, [&] { note('c'); }, false,
                                            true};
    auto give = [&](const std::string& commands) {
        for (char c : commands) {
            if (c == 'h' || c == 'd') {
                queue.Carry({[&] { return !gameOn; }, [&, c] { note(c); }, c == 'd'});
            } else if (c == 'D') {
                queue.Carry({[&] { return !gameOn; },
                             [&] {
                                 note('D');
                                 queue.Carry(centre);
                                 note('/'); // the dialog closes
                             },
                             true});
            } else if (c == 'c') {
                queue.Carry(centre);
            } else {
                queue.Post([&, c] {
                    if (c != 'x') gameOn = c == 's';
                    note(c);
                });
            }
        }
        while (!queue.Settled()) {
            std::unique_lock lock(mutex);
            ASSERT_TRUE(answered.wait_for(lock, 5s, [&] { return !answers.empty(); }));
            const CommandQueue::Task answer = std::move(answers.front());
            answers.pop_front();
            lock.unlock();
            answer();
        }
        thread.PostAndWait([] {});
    };
    const struct {
        const char* given;
        const char* done;
    } cases[] = {
        {"hh", "hh"},    // two questions back to back
        {"hx", "hx"},    // a question, then an unrelated operation
        {"hs", "hs"},    // a question, then Start: before the game starts
        {"sh", "s"},     // given while a game is on: ignored
        {"shth", "sth"}, // and carried out after Stop
        {"dsxh", "d"},   // the dialog takes what was given before it opened
        {"dscx", "cd"},  // but not the centring command: it comes before the dialog
        {"D", "Dc/"},    // and given while the dialog is up, it runs at once
        {"sc", "s"},     // in play it is ignored
    };
    for (const auto& c : cases) {
        give(c.given);
        give("t");
        EXPECT_EQ(done, std::string(c.done) + "t") << c.given;
        done.clear();
    }

    std::mt19937 random(16);
    std::string burst;
    for (int i = 0; i < 100; ++i)
        burst += "hdcstxx"[random() % 7];
    posts = 0;
    give(burst);
    EXPECT_LE(posts, 100); // each command posted or asked at most once
    std::this_thread::sleep_for(50ms);
    const std::scoped_lock lock(mutex);
    EXPECT_TRUE(answers.empty()) << "the engine was asked again";
}
