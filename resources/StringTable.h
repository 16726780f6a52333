#pragma once

// The program's string table: the timer's messages (ids 1 to 4), the idle
// title, the about text and the game-over text. Texts are UTF-8. Plain C++, so
// that the parts without Qt can read it too.
namespace StringTable {

inline constexpr int TimerSetEventFailed = 1;
inline constexpr int IntervalOutOfRange = 2;
inline constexpr int ResolutionOutOfRange = 3;
inline constexpr int ResolutionAboveInterval = 4;
inline constexpr int IdleTitle = 65336;
inline constexpr int AboutText = 65337;
inline constexpr int GameOverText = 65338;

// The text of an id, or an empty text for an id that the table does not hold.
const char* LoadStr(int id);

} // namespace StringTable
