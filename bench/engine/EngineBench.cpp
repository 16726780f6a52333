#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

#include "engine/KeyAction.h"
#include "support/GameRig.h"

// Random actions and ticks in a default well; a game that ends is started
// again (the start counts as a step).
static void RandomActions(benchmark::State& state) {
    GameRig rig;
    rig.Host.SaveWaitScreens = false;
    rig.Game.GameGameClick();
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> pick(0, 9);
    const int actions[] = {kaMoveLeft, kaMoveRight, kaRotateLeft, kaRotateRight,
                           kaDropFast, kaDropAll,   kaNone};
    for (auto _ : state) {
        if (rig.Game.IsIdle()) {
            rig.Game.GameGameClick();
        } else {
            const int r = pick(rng);
            if (r < 3) {
                rig.Tick();
            } else {
                rig.Game.DoAction(actions[r - 3]);
            }
        }
        if (rig.Host.Log.size() > 4096) rig.Host.Log.clear();
        if (rig.Host.Periods.size() > 4096) rig.Host.Periods.clear();
        rig.Host.Messages.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(RandomActions);

// One landing of a vertical bar that completes the four bottom rows of a
// well of `range(0)` x `range(0)` cells (at least 17 rows), with no wait after
// the rows.
static void FourRowLanding(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    GameRig rig;
    rig.Settings.WellWidth = size;
    rig.Settings.WellHeight = size;
    rig.Settings.RowWait = 0;
    rig.Host.SaveWaitScreens = false;
    rig.Game.GameGameClick();
    Well& well = rig.Game.TheWell;
    const int width = well.Width(), height = well.Height();
    for (auto _ : state) {
        for (int y = height - 4; y < height; ++y) {
            for (int x = 0; x < width - 1; ++x)
                well.SetCell(x, y, 1 + (x + y) % 7);
        }
        rig.Place(2, width - 1, 10);
        rig.Host.Log.clear();
        rig.Host.Periods.clear();
        const auto start = std::chrono::steady_clock::now();
        rig.Game.DoAction(kaDropAll);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (rig.Host.Counters[Counter::Score] == "00000")
            state.SkipWithError("no rows were removed");
    }
}
BENCHMARK(FourRowLanding)->Arg(8)->Arg(50)->UseManualTime();
