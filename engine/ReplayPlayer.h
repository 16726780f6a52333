#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/EngineJournal.h"

// Plays a recorded game again on an engine whose settings are the record's
// and whose board has been reset: each step runs the next recorded operation,
// and every draw the engine makes takes the recorded result in its place. A
// draw the record does not hold at that point, or holds for another range,
// means this engine plays the game differently from the one that recorded it:
// the replay is then out of step and stops.
//
// Threads: the engine's. The player attaches itself to the engine as its
// journal and detaches when it goes.
class ReplayPlayer : public EngineJournal {
public:
    ReplayPlayer(Engine& game, const GameRecord& record);
    ~ReplayPlayer() override;
    ReplayPlayer(const ReplayPlayer&) = delete;
    ReplayPlayer& operator=(const ReplayPlayer&) = delete;

    // Every operation has run, or the replay is out of step.
    bool Done() const { return outOfStep_ || next_ >= record_.Events.size(); }
    bool OutOfStep() const { return outOfStep_; }
    // When the next operation came, in milliseconds since the game began.
    std::int64_t NextAt() const;
    // Runs the next operation.
    void Step();
    // Runs every operation due by `at`; returns whether any ran.
    bool RunUntil(std::int64_t at);
    // Done, and the game ended as the record says it did.
    bool EndedAsRecorded() const;

    void GameBegins(const TGameSettings&, int) override {}
    void Operation(GameEvent, int) override {}
    int Draw(int range, int drawn) override;
    void Landed(int) override {}
    void GameEnds(const Engine& game, bool over) override;

private:
    Engine& game_;
    const GameRecord& record_;
    std::size_t next_ = 0;
    bool outOfStep_ = false;
    bool endedOver_ = false;
    bool countersAgree_ = false;
};
