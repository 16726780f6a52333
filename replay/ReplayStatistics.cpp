#include "replay/ReplayStatistics.h"

#include <charconv>

GameStatistics StatisticsOf(const GameRecord& game) {
    GameStatistics stats;
    // The game's state follows from its operations as the engine's title
    // does: the clock of play runs from the start while nothing pauses it.
    bool on = false, playing = false;
    std::int64_t since = 0, last = 0;
    auto halt = [&](std::int64_t at) {
        if (playing) stats.PlayedMilliseconds += at - since;
        playing = false;
    };
    auto run = [&](std::int64_t at) {
        if (!playing) since = at;
        playing = true;
    };
    for (const RecordedEvent& event : game.Events) {
        if (event.Kind == GameEvent::Draw) continue;
        last = event.At;
        switch (event.Kind) {
        case GameEvent::Start:
            on = true;
            run(event.At);
            break;
        case GameEvent::Pause:
            if (on) playing ? halt(event.At) : run(event.At);
            break;
        case GameEvent::Deactivate:
            halt(event.At);
            break;
        case GameEvent::Stop:
            halt(event.At);
            on = false;
            break;
        case GameEvent::Action:
            ++stats.Keys;
            break;
        default:
            break;
        }
    }
    halt(last);

    const std::string& pieces = game.Pieces;
    std::from_chars(pieces.data(), pieces.data() + pieces.size(), stats.Pieces);
    stats.Rows = game.Rows;
    const double minutes = static_cast<double>(stats.PlayedMilliseconds) / 60000.0;
    if (minutes > 0) {
        stats.PiecesPerMinute = static_cast<double>(stats.Pieces) / minutes;
        stats.RowsPerMinute = static_cast<double>(stats.Rows) / minutes;
    }
    if (stats.Pieces > 0) stats.KeysPerPiece = static_cast<double>(stats.Keys) / stats.Pieces;
    return stats;
}
