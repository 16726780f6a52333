#include "engine/Engine.h"

void Engine::SetCaption(const std::string& caption) {
    caption_ = caption;
    host_.SetCaption(caption_);
}

void Engine::GamePauseClick() {
    if (IsPlaying()) {
        SetCaption(PausedTitle());
        host_.SetTimerEnabled(false);
    } else if (IsPaused()) {
        SetCaption(PlayingTitle());
        host_.SetTimerEnabled(true);
    }
}

void Engine::AppOnDeactivate() {
    if (IsPlaying()) GamePauseClick();
}

void Engine::AppOnActivate() {
    // Activation never resumes a paused game; a timer that already runs keeps
    // its period.
    host_.SetTimerEnabled(IsPlaying());
    if (host_.TimerEnabled()) DrawFallingPiece();
}
