#pragma once

// Whether a game is on: none, one in play, or one paused. The window shows it
// in its title, and the title texts say nothing else; nothing outside the
// engine needs to read them back.
enum class GameState { Idle, Playing, Paused };
