#pragma once

#include <string>
#include <string_view>

#include "engine/GameRecord.h"

// The replay file's text: UTF-8 lines apart by LF (a CR before it is allowed).
// A first line that marks it with its format, the program that wrote it, the
// rules version of its engine, the settings that shape play and the kind
// already drawn for the second piece; then one line per event in engine
// order; then a last line with the counters and rows the game ended with:
//
//   # Brimal replay, format 1
//   program 1.2.4.0
//   engine 1
//   well 8 25
//   next on
//   colours fixed
//   fall off 10
//   wait 200
//   ratio off 15 15 14 14 14 14 14
//   sound on
//   queue 3
//   S 0           the start command at 0 ms
//   R 4 2         a draw of Rnd(4) that gave 2
//   T 500         a tick at 500 ms
//   A 730 2       action 2 at 730 ms
//   end 00016 00042 01 9
//
// The sound files and the keys are the player's own and are not kept: a
// replay plays the built-in sounds if sounds were on.
std::string FormatReplay(const GameRecord& game, std::string_view program);

// What is wrong with a text that is not a replay this program can play.
enum class ReplayFault {
    None,
    NotReplay,   // the first line does not mark a replay
    NewerFormat, // a format this program does not know (Number)
    OtherRules,  // recorded by an engine that plays differently (Number)
    Damaged,     // Line does not read as it must
    Truncated,   // the text ends before the game does
};

struct ParsedReplay {
    ReplayFault Fault = ReplayFault::None;
    int Line = 0;   // the damaged line, counted from 1
    int Number = 0; // the format or rules version met
    std::string Program;
    GameRecord Game;
};

// The game in a replay file's text; a fault with where it lies otherwise.
// Checks everything the replay relies on: the times never run backwards,
// every draw lies in its range.
ParsedReplay ParseReplay(std::string_view text);
