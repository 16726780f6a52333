#pragma once

#include <string>
#include <vector>

#include "engine/GameState.h"
#include "engine/Well.h"

class Engine;

// The game as the engine holds it at one moment between two operations.
struct EngineSample {
    GameState State = GameState::Idle;
    std::string Caption;
    bool Timer1On = false;
    long long Kazu = 0, Score = 0, Line4 = 0; // the counters
    int Blocks = 0;                           // cells of landed pieces in the grid
    Well TheWell;
    int PieceX = 0, PieceY = 0, PieceShape = 0;
};

// Reads the game. Call on the engine thread, between operations.
EngineSample ReadEngine(const Engine& game, bool timer1On);

// What must hold between any two operations: walls and floor intact, every
// other cell empty or one of the seven block codes, the falling piece of a
// game on clear of every block, and Timer1 on exactly while a game is played.
// Returns a line for each thing broken.
std::vector<std::string> BrokenInvariants(const EngineSample& sample);
