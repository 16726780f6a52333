#include "engine/Engine.h"

std::string Engine::Caption() const {
    switch (state_) {
    case GameState::Playing:
        return PlayingTitle();
    case GameState::Paused:
        return PausedTitle();
    default:
        return texts_.IdleTitle;
    }
}

void Engine::SetState(GameState state) {
    state_ = state;
    host_.SetCaption(state_, Caption());
}

void Engine::GamePauseClick() {
    Note(GameEvent::Pause);
    TogglePause();
}

void Engine::TogglePause() {
    if (IsPlaying()) {
        SetState(GameState::Paused);
        host_.SetTimerEnabled(false);
    } else if (IsPaused()) {
        SetState(GameState::Playing);
        host_.SetTimerEnabled(true);
    }
}

void Engine::AppOnDeactivate() {
    Note(GameEvent::Deactivate);
    if (IsPlaying()) TogglePause();
}

void Engine::AppOnActivate() {
    Note(GameEvent::Activate);
    // Activation never resumes a paused game; a timer that already runs keeps
    // its period.
    host_.SetTimerEnabled(IsPlaying());
    if (host_.TimerEnabled()) DrawFallingPiece();
}
