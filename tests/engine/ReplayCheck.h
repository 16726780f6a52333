#pragma once

#include <string>

#include "engine/GameRecord.h"

class Engine;
class FakeHost;

// Plays `record` again on an engine of its own and compares where it ends with
// where the recorded game stands now: the grid with its hidden rows, the
// screen, the counters, the falling piece, the queue and the title state.
// Returns an empty text when they agree, otherwise what differs.
std::string ReplayDiffers(const GameRecord& record, const Engine& live, const FakeHost& liveHost);
