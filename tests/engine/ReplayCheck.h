#pragma once

#include <string>
#include <utility>

#include "engine/GameRecord.h"

class Engine;
class FakeHost;
struct GameRig;

// Plays `record` on `rig`, a rig of its own, from its start to its end;
// returns the player's verdict: (out of step, ended as recorded).
std::pair<bool, bool> ReplayOn(GameRig& rig, const GameRecord& record);

// Plays `record` again on an engine of its own and compares where it ends with
// where the recorded game stands now: the grid with its hidden rows, the
// screen, the counters, the falling piece, the queue and the title state.
// Returns an empty text when they agree, otherwise what differs.
std::string ReplayDiffers(const GameRecord& record, const Engine& live, const FakeHost& liveHost);
