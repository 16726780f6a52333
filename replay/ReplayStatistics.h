#pragma once

#include <cstdint>

#include "engine/GameRecord.h"

// How a recorded game was played.
struct GameStatistics {
    std::int64_t PlayedMilliseconds = 0; // from the start to the end, pauses left out
    std::int64_t Pieces = 0;             // landed, as the counter showed at the end
    std::int64_t Rows = 0;               // removed by the player
    std::int64_t Keys = 0;               // actions that reached the game
    double PiecesPerMinute = 0;
    double RowsPerMinute = 0;
    double KeysPerPiece = 0;
};

GameStatistics StatisticsOf(const GameRecord& game);
