#include "engine/Engine.h"
#include "engine/KeyAction.h"

bool Engine::RunOpeningDrop() {
    gameOver_ = false;
    // The pauses also separate the clock-seeded draws.
    host_.Wait(Rnd(50));
    for (int i = 0; i < settings_.PreFillPieces; ++i) {
        if (!DropOpeningPiece()) break;
    }
    // Entries replaced without being erased leave cells drawn in row 0; after
    // a game over too, where the final well must show as it is.
    for (int y = 0; y <= 3; ++y) {
        for (int x = 0; x < settings_.WellWidth; ++x)
            host_.DrawCell(x, y, TheWell.GetCell(x, y));
    }
    // What the player gave while the drop ran was given to a window that let
    // nothing through; a game over has already counted.
    if (!gameOver_) ++ends_;
    return !gameOver_;
}

bool Engine::DropOpeningPiece() {
    host_.SetTimerInterval(10000);
    if (!NewPiece()) return false;

    const int turns = Rnd(3) + 1;
    for (int i = 0; i < turns; ++i)
        Act(kaRotateLeft);
    for (int i = 0; i < settings_.WellWidth / 2 + 3; ++i)
        Act(kaMoveLeft);
    const int moves = Rnd(settings_.WellWidth - 2) - 1;
    for (int i = 0; i < moves; ++i)
        Act(kaMoveRight);
    Act(kaDropAll);
    if (gameOver_) return false;

    for (int x = 0; x < settings_.WellWidth; ++x) {
        if (TheWell.GetCell(x, 3) != EmptyCell) return false;
    }
    host_.Wait(Rnd(20) + 40);
    return true;
}
