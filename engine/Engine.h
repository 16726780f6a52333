#pragma once

#include <cstdint>
#include <string>

#include "engine/Catalogue.h"
#include "engine/EngineHost.h"
#include "engine/EngineJournal.h"
#include "engine/GameSettings.h"
#include "engine/GameState.h"
#include "engine/Well.h"

// The texts of the string table that the engine shows.
struct EngineTexts {
    std::string IdleTitle; // the window title while no game runs
    std::string GameOver;  // the message when a new piece cannot enter
};

// The game: the well, the falling piece, the queue of coming pieces, the
// counters and the title state, with the commands and the tick that change
// them. It reaches the screen, the fall clock, sounds and time only through its
// host. Every operation runs to completion before the next begins; the caller
// sees to that.
class Engine {
public:
    Engine(EngineHost& host, TGameSettings& settings, EngineTexts texts);

    // Menu commands, the tick and the player's actions.
    void GameGameClick();
    void GameStopClick();
    void GamePauseClick();
    void Timer1Timer();
    void DoAction(int code);

    // Activation of the application, and the window's repaint.
    void AppOnActivate();
    void AppOnDeactivate();
    void FormPaint();

    // Follows the game's course from now on (nullptr: nobody does). The
    // journal must outlive its use.
    void SetJournal(EngineJournal* journal) { journal_ = journal; }
    EngineJournal* Journal() const { return journal_; }

    // Empty board of the size in the settings; counters at zero.
    void ResetBoard();
    // NextKind := a fresh kind (at start-up and after the settings dialog).
    void DrawFreshKind();

    // The title state, and the title that shows it.
    GameState State() const { return state_; }
    std::string Caption() const;
    std::string PlayingTitle() const { return texts_.IdleTitle + "-Play-"; }
    std::string PausedTitle() const { return texts_.IdleTitle + "-Pause-"; }
    bool IsIdle() const { return state_ == GameState::Idle; }
    bool IsPlaying() const { return state_ == GameState::Playing; }
    bool IsPaused() const { return state_ == GameState::Paused; }
    bool InActivePlay() const { return IsActivePlay(state_, host_.TimerEnabled()); }
    // How many games and opening drops have ended so far. A command given
    // while the window still showed fewer was meant for a game or a drop that
    // is over by now; the window drops it.
    int Ends() const { return ends_; }

    const std::string& CounterText(Counter which) const;

    // The piece generator.
    int Rnd(int n);
    int PickKind();
    int PickShape(int kind);
    int FreshKind();
    int ColorOfShape(int shape);

    // The board and the falling piece. Tests set them up directly.
    Well TheWell;
    int PieceX = 0;
    int PieceY = 0;
    int PieceShape = 1;
    int PieceColor = 1;
    int NextShape = 1;
    int NextKind = 1;

private:
    // The fall cycle.
    void FallStep();
    void MovePiece(int direction);
    void LandPiece();
    bool NewPiece();
    int RemoveFullRows();
    void RepaintCollapse();
    void UpdateCountersAndPeriod(int rows);

    // The player's actions.
    void Act(int code);
    bool IsFree(int x, int y, int shape) const;
    void Turn(TurnDirection direction);
    void MoveSideways(int dx, int direction);
    void DropAll();

    // The opening drop.
    bool RunOpeningDrop();
    bool DropOpeningPiece();

    void TogglePause();
    // Tells the journal of an operation from outside.
    void Note(GameEvent kind, int value = 0) {
        if (journal_) journal_->Operation(kind, value);
    }

    void DrawPiece(int code);
    void DrawFallingPiece() { DrawPiece(PieceColor); }
    void SetState(GameState state);
    void SetCounter(Counter which, std::string text);
    void AddToCounter(Counter which, int amount);
    void PlaySlot(int slot, bool waitForEnd);
    void Spawn();

    EngineHost& host_;
    TGameSettings& settings_;
    EngineTexts texts_;
    GameState state_ = GameState::Idle;
    std::string counters_[3];
    std::uint32_t seed_ = 0;
    bool gameOver_ = false; // the last entry test failed
    EngineJournal* journal_ = nullptr;
    int ends_ = 0;
};
