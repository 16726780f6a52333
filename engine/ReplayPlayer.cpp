#include "engine/ReplayPlayer.h"

#include "engine/Engine.h"

ReplayPlayer::ReplayPlayer(Engine& game, const GameRecord& record) : game_(game), record_(record) {
    game_.NextKind = record_.NextKind;
    game_.SetJournal(this);
}

ReplayPlayer::~ReplayPlayer() {
    game_.SetJournal(nullptr);
}

std::int64_t ReplayPlayer::NextAt() const {
    return Done() ? 0 : record_.Events[next_].At;
}

void ReplayPlayer::Step() {
    if (Done()) return;
    const RecordedEvent& event = record_.Events[next_++];
    switch (event.Kind) {
    case GameEvent::Start:
        game_.GameGameClick();
        break;
    case GameEvent::Stop:
        game_.GameStopClick();
        break;
    case GameEvent::Pause:
        game_.GamePauseClick();
        break;
    case GameEvent::Tick:
        game_.Timer1Timer();
        break;
    case GameEvent::Action:
        game_.DoAction(event.Value);
        break;
    case GameEvent::Activate:
        game_.AppOnActivate();
        break;
    case GameEvent::Deactivate:
        game_.AppOnDeactivate();
        break;
    case GameEvent::Paint:
        game_.FormPaint();
        break;
    case GameEvent::Draw:
        // The operation before took fewer draws than the recorded one did.
        outOfStep_ = true;
        break;
    }
}

bool ReplayPlayer::RunUntil(std::int64_t at) {
    bool ran = false;
    while (!Done() && NextAt() <= at) {
        Step();
        ran = true;
    }
    return ran;
}

int ReplayPlayer::Draw(int range, int drawn) {
    if (outOfStep_ || next_ >= record_.Events.size()) {
        outOfStep_ = true;
        return drawn;
    }
    const RecordedEvent& event = record_.Events[next_];
    if (event.Kind != GameEvent::Draw || event.Range != range || event.Value < 1 ||
        event.Value > range) {
        outOfStep_ = true;
        return drawn;
    }
    ++next_;
    return event.Value;
}

void ReplayPlayer::GameEnds(const Engine& game, bool over) {
    endedOver_ = over;
    countersAgree_ = game.CounterText(Counter::Score) == record_.Score &&
                     game.CounterText(Counter::Kazu) == record_.Pieces &&
                     game.CounterText(Counter::Line4) == record_.FourRowClears;
}

bool ReplayPlayer::EndedAsRecorded() const {
    if (outOfStep_ || next_ < record_.Events.size()) return false;
    return !record_.Over || (endedOver_ && countersAgree_);
}
