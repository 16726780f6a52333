// libFuzzer target: the input bytes are a replay file as the player may give
// one. The reader must refuse it with a fault or return a game that writes
// back to a text it reads again as the same game; such a game is then played
// on the fake host as the window plays it, where every draw, cell and period
// must stay in its range (the host throws otherwise, and the engine's
// assertions abort).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "engine/ReplayPlayer.h"
#include "replay/ReplayFile.h"
#include "support/GameRig.h"

namespace {

void Check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "replay reader: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ParsedReplay parsed = ParseReplay(text);
    if (parsed.Fault != ReplayFault::None) {
        Check(parsed.Fault != ReplayFault::Damaged || parsed.Line >= 1, "a damage without a line");
        return 0;
    }
    Check(parsed.Game.Over && !parsed.Game.Events.empty(), "a game without its end");
    const std::string again = FormatReplay(parsed.Game, parsed.Program);
    const ParsedReplay reread = ParseReplay(again);
    Check(reread.Fault == ReplayFault::None && reread.Game == parsed.Game,
          "the game does not read back as written");

    // A long opening drop only costs time; the store allows as much.
    if (parsed.Game.Settings.PreFillPieces > 100 || parsed.Game.Events.size() > 20000) return 0;
    GameRig rig;
    rig.Host.SaveWaitScreens = false;
    rig.Settings = parsed.Game.Settings;
    rig.Game.ResetBoard();
    ReplayPlayer player(rig.Game, parsed.Game);
    while (!player.Done()) {
        player.Step();
        if (rig.Host.Log.size() > 4096) rig.Host.Log.clear();
        rig.Host.Periods.clear();
        rig.Host.Messages.clear();
    }
    return 0;
}
