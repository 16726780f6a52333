#pragma once

#include "engine/GameRecord.h"

class Engine;

// Who follows a game's course: a recorder writes it down, a replay feeds it
// back. The engine tells it of each operation that reaches it from outside
// (the actions of its own opening drop are not such operations) and passes
// every generator draw through it. Every call is on the engine's thread.
class EngineJournal {
public:
    virtual ~EngineJournal() = default;

    // A new game begins, under `settings`, with `nextKind` already drawn for
    // its second piece. Called before its start operation.
    virtual void GameBegins(const TGameSettings& settings, int nextKind) = 0;
    // An operation from outside, before it runs: any kind but Draw.
    virtual void Operation(GameEvent kind, int value) = 0;
    // A draw of Rnd(range) that gave `drawn`; returns the result to go on with.
    virtual int Draw(int range, int drawn) = 0;
    // A piece has landed and removed `rows` rows.
    virtual void Landed(int rows) = 0;
    // The game has ended: `over` when a piece could not enter, otherwise by
    // the stop command. `game` shows the final well and counters.
    virtual void GameEnds(const Engine& game, bool over) = 0;
};
