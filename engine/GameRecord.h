#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/GameSettings.h"

// The rules a record is played by. A change to the engine that would play a
// recorded game differently (the generator, the tables, the fall cycle, the
// scoring) raises it, so that an older record is refused with a clear word
// instead of being played into a different game.
inline constexpr int EngineRulesVersion = 1;

// What reaches the engine from outside during a game, and the generator's
// draws, as a record names them. The letters are the record file's.
enum class GameEvent : char {
    Start = 'S',      // the start command (a new game, or resuming a paused one)
    Stop = 'X',       // the stop command
    Pause = 'P',      // the pause command
    Tick = 'T',       // a tick of the fall clock
    Action = 'A',     // a player's action; Value is its code
    Activate = 'C',   // the application gained activation
    Deactivate = 'D', // the application lost activation
    Paint = 'W',      // the window repainted the well
    Draw = 'R',       // a draw of Rnd(Range) that gave Value
};

struct RecordedEvent {
    std::int64_t At = 0; // milliseconds since the game began; 0 for a draw
    GameEvent Kind = GameEvent::Tick;
    int Value = 0;
    int Range = 0;

    bool operator==(const RecordedEvent&) const = default;
};

// One game from its start command on: the settings it was played under, the
// kind already drawn for its second piece, and every event in engine order.
// A finished game also holds how it ended.
struct GameRecord {
    TGameSettings Settings;
    int NextKind = 1;
    std::vector<RecordedEvent> Events;

    // How the game ended, as the counters showed it ("00123"), and the rows
    // the player removed (the opening drop's not counted). Over: a piece could
    // not enter; otherwise the game was stopped or is still on.
    bool Over = false;
    std::string Score, Pieces, FourRowClears;
    int Rows = 0;

    bool operator==(const GameRecord&) const = default;
};
