#pragma once

#include <cstdint>
#include <functional>

#include "engine/EngineJournal.h"

// Writes each game down while it is played: the settings and the queue at its
// start, then every operation with its time and every draw, appended to one
// buffer reserved when the game begins, so that a tick costs one append and
// nothing else. A game that ends by a piece that cannot enter is handed on
// whole; a stopped one is dropped. Nothing is written anywhere from here.
//
// Threads: the engine's, like every journal call.
class GameRecorder : public EngineJournal {
public:
    // `clock` gives milliseconds on a clock that only runs forward; `finished`
    // receives each game that has ended, on the engine's thread.
    using Clock = std::function<std::int64_t()>;
    using Finished = std::function<void(GameRecord&& game)>;
    GameRecorder(Clock clock, Finished finished);

    bool Recording() const { return recording_; }
    // The game being recorded, as far as it has gone.
    const GameRecord& Current() const { return record_; }

    void GameBegins(const TGameSettings& settings, int nextKind) override;
    void Operation(GameEvent kind, int value) override;
    int Draw(int range, int drawn) override;
    void Landed(int rows) override;
    void GameEnds(const Engine& game, bool over) override;

private:
    Clock clock_;
    Finished finished_;
    GameRecord record_;
    bool recording_ = false;
    std::int64_t begin_ = 0;
    GameEvent lastOperation_ = GameEvent::Start;
};
