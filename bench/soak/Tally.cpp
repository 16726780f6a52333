#include "bench/soak/Tally.h"

std::vector<std::string> Tally::Observe(const EngineSample& sample) {
    std::vector<std::string> faults;
    const bool on = sample.State != GameState::Idle;
    if (newGame_) {
        // Until the new game shows, the well is the last game's, already counted.
        if (!on) return faults;
        newGame_ = false;
        inGame_ = true;
        ++games_;
        last_ = EngineSample{};
    }
    if (!inGame_) return faults;

    const long long landed = sample.Kazu - last_.Kazu;
    const long long removed = last_.Blocks + 4 * landed - sample.Blocks;
    const int width = sample.TheWell.Width();
    const long long rows = removed / width;
    const long long fours = sample.Line4 - last_.Line4;
    const auto say = [&](const std::string& what) {
        faults.push_back(what + " (pieces " + std::to_string(last_.Kazu) + " -> " +
                         std::to_string(sample.Kazu) + ", blocks " + std::to_string(last_.Blocks) +
                         " -> " + std::to_string(sample.Blocks) + ")");
    };
    if (landed < 0 || removed < 0 || removed % width != 0 || rows > 4 * landed) {
        say("blocks and pieces disagree");
    } else if (fours < 0 || 4 * fours > rows) {
        say("four-row counter up by " + std::to_string(fours) + " for " + std::to_string(rows) +
            " rows");
    } else if (landed == 1) {
        constexpr int points[5] = {0, 1, 4, 8, 16};
        if (fours != (rows == 4 ? 1 : 0) || sample.Score - last_.Score != points[rows])
            say("counters disagree with a landing of " + std::to_string(rows) + " rows");
        ++byRows_[rows];
    }
    if (landed >= 0) pieces_ += landed;
    if (removed >= 0 && removed % width == 0) rows_ += rows;
    last_ = sample;
    if (!on) {
        // The game is over: its four-row count is final.
        inGame_ = false;
        ++ended_;
        line4Done_ += sample.Line4;
    }
    return faults;
}
