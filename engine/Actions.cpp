#include "engine/Engine.h"
#include "engine/KeyAction.h"

bool Engine::IsFree(int x, int y, int shape) const {
    // The falling piece is not in the grid, so its own cells read as free.
    for (const CellOffset& cell : ShapeTable[shape]) {
        if (TheWell.GetCell(x + cell.dx, y + cell.dy) != EmptyCell) return false;
    }
    return true;
}

void Engine::DoAction(int code) {
    Note(GameEvent::Action, code);
    Act(code);
}

void Engine::Act(int code) {
    switch (code) {
    case kaDropFast:
        host_.SetTimerEnabled(false);
        FallStep();
        break;
    case kaDropAll:
        DropAll();
        break;
    case kaRotateLeft:
        Turn(TurnDirection::Left);
        break;
    case kaRotateRight:
        Turn(TurnDirection::Right);
        break;
    case kaMoveLeft:
        MoveSideways(-1, 1);
        break;
    case kaMoveRight:
        MoveSideways(1, 2);
        break;
    default:
        break; // kaNone, and any code no key should hold
    }
}

void Engine::Turn(TurnDirection direction) {
    const int shape = TurnSuccessor(PieceShape, direction);
    const CellOffset shift = TurnOffsets(shape, direction);
    for (const CellOffset& cell : ShapeTable[shape]) {
        const int x = PieceX + shift.dx + cell.dx;
        // A target left of the wall column is refused before the grid is read.
        if (x < -1) return;
        if (TheWell.GetCell(x, PieceY + shift.dy + cell.dy) != EmptyCell) return;
    }
    DrawPiece(EmptyCell);
    PieceX += shift.dx;
    PieceY += shift.dy;
    PieceShape = shape;
    DrawFallingPiece();
}

void Engine::MoveSideways(int dx, int direction) {
    if (IsFree(PieceX + dx, PieceY, PieceShape)) MovePiece(direction);
}

void Engine::DropAll() {
    host_.SetTimerEnabled(false);
    int d = 1;
    while (IsFree(PieceX, PieceY + d, PieceShape))
        ++d;
    DrawPiece(EmptyCell);
    PieceY += d - 1;
    DrawFallingPiece();
    LandPiece();
}
