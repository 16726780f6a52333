#include "ReplayCheck.h"

#include <sstream>

#include "engine/ReplayPlayer.h"
#include "support/GameRig.h"

std::pair<bool, bool> ReplayOn(GameRig& rig, const GameRecord& record) {
    rig.Host.SaveWaitScreens = false;
    rig.Settings = record.Settings;
    rig.Game.ResetBoard();
    ReplayPlayer player(rig.Game, record);
    while (!player.Done())
        player.Step();
    return {player.OutOfStep(), player.EndedAsRecorded()};
}

std::string ReplayDiffers(const GameRecord& record, const Engine& live, const FakeHost& liveHost) {
    GameRig rig;
    const auto [outOfStep, endedAsRecorded] = ReplayOn(rig, record);
    if (outOfStep) return "the replay went out of step with its record";
    if (!endedAsRecorded) return "the replay did not end as its record says";

    std::ostringstream diff;
    const Engine& again = rig.Game;
    if (again.TheWell.Width() != live.TheWell.Width() ||
        again.TheWell.Height() != live.TheWell.Height())
        return "the replay's well has another size";
    for (int y = -Well::HiddenRows; y <= live.TheWell.Height(); ++y) {
        for (int x = -1; x <= live.TheWell.Width(); ++x) {
            if (again.TheWell.GetCell(x, y) != live.TheWell.GetCell(x, y))
                diff << "cell " << x << "," << y << "; ";
        }
    }
    if (rig.Host.Screen() != liveHost.Screen())
        diff << "screen:" << rig.Host.Screen() << "against" << liveHost.Screen();
    for (Counter which : {Counter::Score, Counter::Kazu, Counter::Line4}) {
        if (again.CounterText(which) != live.CounterText(which))
            diff << "counter " << again.CounterText(which) << " against " << live.CounterText(which)
                 << "; ";
    }
    if (again.PieceX != live.PieceX || again.PieceY != live.PieceY ||
        again.PieceShape != live.PieceShape || again.PieceColor != live.PieceColor)
        diff << "falling piece; ";
    if (again.NextShape != live.NextShape || again.NextKind != live.NextKind) diff << "queue; ";
    if (again.State() != live.State()) diff << "state; ";
    return diff.str();
}
