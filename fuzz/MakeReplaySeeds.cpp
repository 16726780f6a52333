// Writes the replay reader's seed corpus into the folder given as the only
// argument: recorded games under several settings (an opening drop, piece
// ratios, free colours, a small and a large well), each whole and cut short.

#include <fstream>
#include <random>
#include <string>

#include "engine/GameRecorder.h"
#include "engine/KeyAction.h"
#include "replay/ReplayFile.h"
#include "support/GameRig.h"

namespace {

std::string RecordedGame(int seed, const TGameSettings& settings) {
    GameRig rig;
    rig.Host.SaveWaitScreens = false;
    rig.Settings = settings;
    rig.Game.ResetBoard();
    GameRecord record;
    GameRecorder recorder([&rig] { return static_cast<std::int64_t>(rig.Host.Now); },
                          [&record](GameRecord&& game) { record = std::move(game); });
    rig.Game.SetJournal(&recorder);
    std::mt19937 rng(static_cast<unsigned>(seed));
    const int actions[] = {kaMoveLeft,    kaMoveRight, kaRotateLeft,
                           kaRotateRight, kaDropFast,  kaDropAll};
    rig.Game.GameGameClick();
    for (int step = 0; step < 3000 && !rig.Game.IsIdle(); ++step) {
        rig.Host.Now += rng() % 200;
        const unsigned r = rng() % 100;
        if (r < 30) {
            rig.Tick();
        } else if (r < 32) {
            rig.Game.GamePauseClick();
        } else if (r < 33) {
            rig.Game.AppOnDeactivate();
        } else if (r < 35) {
            rig.Game.AppOnActivate();
        } else {
            rig.Game.DoAction(actions[rng() % 6]);
        }
        rig.Host.Log.clear();
    }
    return FormatReplay(record, "1.2.4.0");
}

void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    const std::string folder = argv[1];
    TGameSettings settings[5];
    settings[1].PreFill = true;
    settings[1].PreFillPieces = 6;
    settings[2].RatioOn = true;
    settings[2].Ratios = {0, 40, 0, 0, 30, 0, 0, 30};
    settings[3].ShowNext = false;
    settings[3].FixedColors = false;
    settings[3].WellWidth = 6;
    settings[3].WellHeight = 17;
    settings[4].WellWidth = 20;
    settings[4].RowWait = 0;
    for (int i = 0; i < 5; ++i) {
        const std::string text = RecordedGame(i + 1, settings[i]);
        Write(folder + "/game" + std::to_string(i), text);
        Write(folder + "/cut" + std::to_string(i), text.substr(0, text.size() / 3));
    }
    return 0;
}
