#pragma once

#include <array>
#include <string>
#include <vector>

#include "bench/soak/EngineSample.h"

// What the soak has seen played, worked out from successive samples of the
// engine: each landing adds four blocks to the grid and each removed row takes
// a well's width of them away, so the rows removed between two samples of one
// game follow from the block count and the piece count. The counters must
// agree with them.
class Tally {
public:
    // The next sample that shows a game on belongs to a new game, counted from
    // an empty well.
    void ExpectNewGame() { newGame_ = true; }
    // Accounts for everything since the last sample; returns what disagrees.
    std::vector<std::string> Observe(const EngineSample& sample);

    long long Games() const { return games_; }
    long long GamesEnded() const { return ended_; }
    long long Pieces() const { return pieces_; }
    long long Rows() const { return rows_; }
    // Landings seen one at a time, by the rows each removed (0 to 4).
    const std::array<long long, 5>& ByRows() const { return byRows_; }
    // The four-row clears as the games' counters give them.
    long long FourRowClears() const { return line4Done_ + (inGame_ ? last_.Line4 : 0); }

private:
    bool newGame_ = true;
    bool inGame_ = false; // the last sample belongs to a game not yet seen ended
    EngineSample last_;
    long long games_ = 0, ended_ = 0, pieces_ = 0, rows_ = 0, line4Done_ = 0;
    std::array<long long, 5> byRows_{};
};
