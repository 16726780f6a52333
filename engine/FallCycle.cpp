#include "engine/Engine.h"
#include "engine/KeyAction.h"

void Engine::GameGameClick() {
    if (journal_) {
        if (IsIdle()) journal_->GameBegins(settings_, NextKind);
        journal_->Operation(GameEvent::Start, 0);
    }
    if (IsPaused()) {
        SetState(GameState::Playing);
        host_.SetTimerEnabled(true);
        return;
    }
    if (!IsIdle()) return;

    host_.MovePointerBesideWell(settings_.WellWidth);
    ResetBoard();
    NextShape = PickShape(FreshKind());
    Spawn();
    if (settings_.PreFill && !RunOpeningDrop()) return; // the game ended during the drop

    SetState(GameState::Playing);
    host_.SetTimerInterval(500);
    // A drop of no pieces (a hand-edited store) brings no piece in either;
    // without one the timer would never run and the game would stand still.
    if (!settings_.PreFill || settings_.PreFillPieces <= 0) {
        NewPiece();
    } else {
        // The drop's last landing has brought in the first piece; the game's
        // score and piece count start from zero.
        SetCounter(Counter::Score, "00000");
        SetCounter(Counter::Kazu, "00000");
    }
}

void Engine::GameStopClick() {
    Note(GameEvent::Stop);
    const bool gameOn = !IsIdle();
    host_.SetTimerEnabled(false);
    ResetBoard();
    SetState(GameState::Idle);
    if (gameOn && journal_) journal_->GameEnds(*this, false);
}

void Engine::Timer1Timer() {
    Note(GameEvent::Tick);
    if (!host_.TimerEnabled()) return;
    // Off for the step; the step switches it on again, so the next tick comes
    // one full period after the step has ended, however long it took.
    host_.SetTimerEnabled(false);
    FallStep();
}

void Engine::FallStep() {
    if (IsFree(PieceX, PieceY + 1, PieceShape)) {
        MovePiece(0);
    } else {
        LandPiece();
    }
}

void Engine::MovePiece(int direction) {
    const int oldX = PieceX;
    const int oldY = PieceY;
    if (direction == 1) {
        --PieceX;
    } else if (direction == 2) {
        ++PieceX;
    } else if (direction == 0) {
        ++PieceY;
    }
    const int newX = PieceX;
    const int newY = PieceY;
    PieceX = oldX;
    PieceY = oldY;
    DrawPiece(EmptyCell);
    PieceX = newX;
    PieceY = newY;
    DrawFallingPiece();
    host_.SetTimerEnabled(true);
}

void Engine::LandPiece() {
    // The cells already show the piece, so locking draws nothing.
    for (const CellOffset& cell : ShapeTable[PieceShape]) {
        TheWell.SetCell(PieceX + cell.dx, PieceY + cell.dy, PieceColor);
    }
    if (settings_.SoundOn) PlaySlot(3, false);
    const int rows = RemoveFullRows();
    if (journal_) journal_->Landed(rows);
    RepaintCollapse();
    UpdateCountersAndPeriod(rows);
    NewPiece();
}

void Engine::Spawn() {
    PieceX = (settings_.WellWidth - 1) / 2;
    PieceY = 0;
}

bool Engine::NewPiece() {
    Spawn();
    PieceShape = NextShape;
    NextShape = PickShape(NextKind);
    PieceColor = ColorOfShape(PieceShape);
    NextKind = FreshKind();

    // Cells in the hidden rows count like all others: a block resting above
    // the visible top at the spawn columns ends the game too.
    for (const CellOffset& cell : ShapeTable[PieceShape]) {
        if (TheWell.GetCell(PieceX + cell.dx, PieceY + cell.dy) != EmptyCell) {
            gameOver_ = true;
            ++ends_;
            host_.SetTimerEnabled(false);
            if (settings_.SoundOn) host_.Beep(BeepKind::Exclamation);
            SetState(GameState::Idle);
            // The journal hears of the end before the window shows it.
            if (journal_) journal_->GameEnds(*this, true);
            host_.ShowMessage(texts_.GameOver);
            return false;
        }
    }
    DrawFallingPiece();
    if (settings_.ShowNext) host_.DrawPreview(NextShape);
    host_.SetTimerEnabled(true);
    return true;
}

void Engine::PlaySlot(int slot, bool waitForEnd) {
    const std::string& source = settings_.SoundFiles[slot];
    if (source == StandardSound) {
        host_.PlayClip(slot, waitForEnd);
    } else {
        host_.PlayFile(source, waitForEnd);
    }
}
