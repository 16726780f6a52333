#include "app/records/GameOverHandOff.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "components/PMsgDlg.h"
#include "scores/HighScoreStore.h"

GameOverHandOff::GameOverHandOff(QWidget& window, const TGameSettings& settings)
    : window_(window), settings_(settings) {
    window_.installEventFilter(this);
}

GameOverHandOff::~GameOverHandOff() {
    window_.removeEventFilter(this);
}

void GameOverHandOff::NoteState(GameState state) {
    previous_ = shown_;
    shown_ = state;
}

void GameOverHandOff::Show(const QString& text, const FinishedGame& game) {
    if (closed_) return;
    const bool played = previous_ == GameState::Playing;
    CenteredMessageDlg(&window_, text, mtCustom, mbOK, 0);
    // The window may have been closed while the message was up.
    if (!played || closed_) return;
    if (window_.isMinimized()) {
        waiting_ = game;
        return;
    }
    Offer(game);
}

void GameOverHandOff::Close() {
    closed_ = true;
    waiting_.reset();
}

bool GameOverHandOff::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowStateChange && waiting_ &&
        !window_.isMinimized()) {
        // Out of the state change itself: the prompt runs its own event loop.
        QTimer::singleShot(0, this, [this] {
            if (!waiting_ || closed_ || window_.isMinimized()) return;
            const FinishedGame game = *waiting_;
            waiting_.reset();
            Offer(game);
        });
    }
    return false;
}

void GameOverHandOff::Offer(const FinishedGame& game) {
    HighScoreStore scores(HighScoreStore::UserFilePath());
    OfferHighScore(&window_, settings_, game, scores);
    if (offered_) offered_(game);
}
