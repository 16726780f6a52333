#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "engine/GameSettings.h"
#include "engine/GameState.h"
#include "scores/HighScoreDialog.h"

class QWidget;

// What follows a game over on the main window: the message "   GameOver!",
// then, for a game that was played, the name prompt of the high-score table.
// A game that ended in its opening drop was never played (its score is the
// drop's) and is offered nothing.
//
// Esc on the message minimises the program; the prompt then waits until the
// window is restored, and opens over it. A window closed while minimised
// records nothing.
//
// Threads: the UI thread.
class GameOverHandOff : public QObject {
public:
    GameOverHandOff(QWidget& window, const TGameSettings& settings);
    ~GameOverHandOff() override;

    // Each state the window's title shows, in turn: at a game over, the state
    // before it tells whether the game was in play.
    void NoteState(GameState state);
    // The message with `text`, over the window, then the prompt for `game`.
    void Show(const QString& text, const FinishedGame& game);
    // The window closes: no prompt opens any more.
    void Close();
    // Called with each game once it has been offered to the table.
    void OnOffered(std::function<void(const FinishedGame&)> handler) {
        offered_ = std::move(handler);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Offer(const FinishedGame& game);

    QWidget& window_;
    const TGameSettings& settings_;
    GameState previous_ = GameState::Idle;
    GameState shown_ = GameState::Idle;
    std::optional<FinishedGame> waiting_; // for the window to be restored
    bool closed_ = false;
    std::function<void(const FinishedGame&)> offered_;
};
