#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

#include "engine/GameRecorder.h"
#include "engine/KeyAction.h"
#include "support/GameRig.h"

// Random actions and ticks in a default well; a game that ends is started
// again (the start counts as a step). With argument 1 every game is recorded
// as the program records it, for the recording's cost per step.
static void RandomActions(benchmark::State& state) {
    GameRig rig;
    rig.Host.SaveWaitScreens = false;
    long recorded = 0;
    GameRecorder recorder([&rig] { return static_cast<std::int64_t>(rig.Host.Now); },
                          [&recorded](GameRecord&& game) { recorded += game.Events.size(); });
    if (state.range(0) == 1) rig.Game.SetJournal(&recorder);
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
    state.counters["recorded"] = static_cast<double>(recorded);
}
BENCHMARK(RandomActions)->Arg(0)->Arg(1);

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

// What the recorder adds to one tick: the append of the tick and its time.
static void RecordedTick(benchmark::State& state) {
    std::int64_t now = 0;
    GameRecorder recorder([&now] { return ++now; }, [](GameRecord&&) {});
    recorder.GameBegins(TGameSettings{}, 1);
    for (auto _ : state) {
        recorder.Operation(GameEvent::Tick, 0);
        // A long game: the buffer starts afresh now and then, as for a new game.
        if (recorder.Current().Events.size() >= (1u << 20)) recorder.GameBegins(TGameSettings{}, 1);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(RecordedTick);
