#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <optional>

#include "engine/GameRecord.h"
#include "engine/GameSettings.h"

class GameOverHandOff;
class GameSession;
class QWidget;
struct FinishedGame;

// What the command line asks for: `--replay FILE [--speed N]`.
struct ReplayRequest {
    QString File;
    int Speed = 1;
    QString Problem; // a bad request, in words for the player; empty when good
};
inline constexpr int MaxReplaySpeed = 16;
// Nothing when the arguments ask for no replay.
std::optional<ReplayRequest> ReplayArguments(const QStringList& arguments);

// Replays in the main window, and the records they are made from. Each game
// that ends by a piece that cannot enter is kept as LastGame.brimal-replay
// beside the high-score file, and with its row when it enters the table.
//
// A replay plays a file from its start in the well, the preview and the
// counters, on an engine of its own on the engine thread, paced by the
// record's times at 1 to 16 times their speed. The title reads "Brimal
// -Replay-" meanwhile; the stop command ends it, the pause command pauses and
// resumes it, and the window's own game stays idle, so the game keys do
// nothing. At its end the window shows the final well, idle. A replay writes
// nothing: no settings, no scores, no replays.
//
// Threads: the UI thread; the replay's engine runs on the engine thread.
class ReplayMode : public QObject {
public:
    // Keeps each game that `gameOver` has offered to the table with its row.
    ReplayMode(QWidget* window, GameSession& session, GameOverHandOff& gameOver);
    ~ReplayMode() override;

    // The request of the command line: the program was started to watch a
    // replay, and saves no window position at its end. A bad request or file
    // shows a message over the window, which stays idle.
    void PlayRequest(const ReplayRequest& request);
    // Plays `file` at `speed`, while no game is on; a file that cannot be
    // played shows a message naming it and what is wrong.
    void Play(const QString& file, int speed);

    bool Active() const { return run_ != nullptr; }
    bool StartedForReplay() const { return startedForReplay_; }
    void Stop();
    void TogglePause();
    // The window's repaint, by the engine that shows the well.
    void Repaint();
    // The high-score table of the current rules, whose buttons play a row's
    // game or the last one here.
    void ShowHighScores(const TGameSettings& settings);

    // Where the last finished game is kept.
    static QString LastGameFile();

private:
    struct Run;
    void Advance();
    void Finished(const std::shared_ptr<Run>& run);
    void ShowIdleTitle();
    // The finished game's replay kept with its row, if it entered the table.
    void KeepWithTable(const FinishedGame& game);

    QWidget* window_;
    GameSession& session_;
    std::optional<GameRecord> lastGame_; // the last finished game of this session
    std::shared_ptr<Run> run_;           // the replay playing; its engine is the engine thread's
    QTimer pace_;
    QElapsedTimer wall_;
    qint64 wallSeen_ = 0; // wall_ when the replay's time last advanced
    qint64 played_ = 0;   // the record's milliseconds played so far
    int speed_ = 1;
    bool paused_ = false;
    bool startedForReplay_ = false;
};
