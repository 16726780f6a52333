#pragma once

// Whether a game is on: none, one in play, or one paused. The window shows it
// in its title, and the title texts say nothing else; nothing outside the
// engine needs to read them back.
enum class GameState { Idle, Playing, Paused };

// Whether a game is in active play: playing, with Timer1 on (the engine
// switches it off while a step is under way). The player's actions count only
// then, and the window's centring command is refused.
constexpr bool IsActivePlay(GameState state, bool timerEnabled) {
    return state == GameState::Playing && timerEnabled;
}
