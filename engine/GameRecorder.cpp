#include "engine/GameRecorder.h"

#include "engine/Engine.h"

namespace {

// Room for a game of some minutes at the fastest fall without a reallocation;
// a longer one grows the buffer now and then.
constexpr std::size_t ReservedEvents = 1 << 14;

} // namespace

GameRecorder::GameRecorder(Clock clock, Finished finished)
    : clock_(std::move(clock)), finished_(std::move(finished)) {}

void GameRecorder::GameBegins(const TGameSettings& settings, int nextKind) {
    record_ = GameRecord{};
    record_.Settings = settings;
    // The sound files and the keys are the player's own and play no part in
    // the game: a record keeps the built-in sounds and the default keys.
    record_.Settings.SoundFiles = TGameSettings{}.SoundFiles;
    record_.Settings.KeyActions = TGameSettings{}.KeyActions;
    record_.NextKind = nextKind;
    record_.Events.reserve(ReservedEvents);
    recording_ = true;
    begin_ = clock_();
}

void GameRecorder::Operation(GameEvent kind, int value) {
    if (!recording_) return;
    lastOperation_ = kind;
    record_.Events.push_back({clock_() - begin_, kind, value, 0});
}

int GameRecorder::Draw(int range, int drawn) {
    if (recording_) record_.Events.push_back({0, GameEvent::Draw, drawn, range});
    return drawn;
}

void GameRecorder::Landed(int rows) {
    // The opening drop's landings come inside the start command; its rows are
    // not the player's.
    if (recording_ && lastOperation_ != GameEvent::Start) record_.Rows += rows;
}

void GameRecorder::GameEnds(const Engine& game, bool over) {
    if (!recording_) return;
    recording_ = false;
    if (!over) return;
    record_.Over = true;
    record_.Score = game.CounterText(Counter::Score);
    record_.Pieces = game.CounterText(Counter::Kazu);
    record_.FourRowClears = game.CounterText(Counter::Line4);
    if (finished_) finished_(std::move(record_));
    record_ = GameRecord{};
}
