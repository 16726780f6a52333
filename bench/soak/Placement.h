#pragma once

#include <random>
#include <vector>

#include "engine/Catalogue.h"
#include "engine/Well.h"

// What the soak's player does with one piece, in the order of its keys: the
// turns, the steps sideways (negative to the left), then the drop.
struct Placement {
    std::vector<TurnDirection> Turns;
    int Moves = 0;
};

// Chooses where the falling piece at (x, y) in `shape` goes: each orientation
// reachable by up to two turns, each column reachable from there, dropped onto
// the well and scored by the rows it completes, the holes it leaves and the
// height and roughness of the surface. With probability `slips` the player
// takes any reachable placement instead, so that games end now and then.
Placement ChoosePlacement(const Well& well, int shape, int x, int y, double slips,
                          std::mt19937& random);
