#pragma once

#include <chrono>
#include <thread>

// Looks at `condition` every 2 ms until it holds or `limit` has passed; whether
// it held. The limit is a hang's, not a speed bound: make it generous. (Where
// Qt must go on handling events meanwhile, QTest::qWaitFor does the same.)
template <class Condition> bool WaitFor(Condition condition, std::chrono::milliseconds limit) {
    const auto giveUp = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= giveUp) return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}
