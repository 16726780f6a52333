#include "app/records/ReplayMode.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QWidget>
#include <atomic>

#include "app/play/GameSession.h"
#include "app/records/GameOverHandOff.h"
#include "app/records/HighScoreReplays.h"
#include "app/records/ReplayHost.h"
#include "components/PMsgDlg.h"
#include "engine/Engine.h"
#include "engine/ReplayPlayer.h"
#include "replay/ReplayFiles.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"
#include "scores/HighScoreDialog.h"

namespace {

// How often the replay's clock is looked at: finer than any fall period.
constexpr int PaceMs = 5;

} // namespace

std::optional<ReplayRequest> ReplayArguments(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--replay"));
    if (at < 0) return std::nullopt;
    ReplayRequest request;
    if (at + 1 >= arguments.size() || arguments[at + 1].startsWith(QStringLiteral("--"))) {
        request.Problem = QCoreApplication::translate(
            "ReplayMode", "--replay の後にリプレイファイルを指定してください。");
        return request;
    }
    request.File = arguments[at + 1];
    const qsizetype speed = arguments.indexOf(QStringLiteral("--speed"));
    if (speed >= 0) {
        bool number = false;
        request.Speed = speed + 1 < arguments.size() ? arguments[speed + 1].toInt(&number) : 0;
        if (!number || request.Speed < 1 || request.Speed > MaxReplaySpeed) {
            request.Problem =
                QCoreApplication::translate("ReplayMode",
                                            "再生の速さ（--speed）は1から%1で指定してください。")
                    .arg(MaxReplaySpeed);
        }
    }
    return request;
}

// One replay: its record, and the engine that plays it with its own settings
// and host. Made on the UI thread, used and let go on the engine thread.
struct ReplayMode::Run {
    Run(GameRecord record, EngineHost& window, int speed)
        : Record(std::move(record)), Settings(Record.Settings), Host(window, speed),
          Game(Host, Settings,
               EngineTexts{StringTable::LoadStr(StringTable::IdleTitle),
                           StringTable::LoadStr(StringTable::GameOverText)}) {}

    GameRecord Record;
    TGameSettings Settings;
    ReplayHost Host;
    Engine Game;
    std::unique_ptr<ReplayPlayer> Player;
    std::atomic<bool> Busy{false}; // a step of the replay is queued or running
};

ReplayMode::ReplayMode(QWidget* window, GameSession& session, GameOverHandOff& gameOver)
    : window_(window), session_(session) {
    gameOver.OnOffered([this](const FinishedGame& game) { KeepWithTable(game); });
    pace_.setTimerType(Qt::PreciseTimer);
    pace_.setInterval(PaceMs);
    connect(&pace_, &QTimer::timeout, this, [this] { Advance(); });
    session_.OnGameRecorded([this](const GameRecord& game) {
        lastGame_ = game;
        ReplayFiles::Write(LastGameFile(), game);
    });
}

ReplayMode::~ReplayMode() = default;

QString ReplayMode::LastGameFile() {
    return ReplayFiles::LastGamePath(HighScoreStore::UserFilePath());
}

void ReplayMode::PlayRequest(const ReplayRequest& request) {
    startedForReplay_ = true;
    if (!request.Problem.isEmpty()) {
        CenteredMessageDlg(window_, request.Problem, mtWarning, mbOK, 0);
        return;
    }
    Play(request.File, request.Speed);
}

void ReplayMode::Play(const QString& file, int speed) {
    if (Active() || session_.Closed()) return;
    ReplayFiles::Loaded loaded = ReplayFiles::Read(file);
    if (!loaded.Game) {
        CenteredMessageDlg(window_, loaded.Problem, mtWarning, mbOK, 0);
        return;
    }
    auto run = std::make_shared<Run>(std::move(*loaded.Game), session_.Host(), speed);
    run_ = run;
    speed_ = speed;
    paused_ = false;
    played_ = 0;
    wall_.start();
    wallSeen_ = 0;
    window_->setWindowTitle(Resources::Text(StringTable::IdleTitle) + QStringLiteral("-Replay-"));
    session_.Post([run](Engine&) {
        // The board of the record's size, then its game from the start.
        run->Game.ResetBoard();
        run->Player = std::make_unique<ReplayPlayer>(run->Game, run->Record);
    });
    pace_.start();
}

void ReplayMode::Advance() {
    const qint64 now = wall_.elapsed();
    if (!paused_) played_ += (now - wallSeen_) * speed_;
    wallSeen_ = now;
    // One step at a time in the queue: a replay that falls behind (a long row
    // wait, a slow machine) catches up in its next step.
    if (!run_ || paused_ || run_->Busy.exchange(true)) return;
    session_.Post([this, run = run_, until = played_](Engine&) {
        run->Player->RunUntil(until);
        const bool done = run->Player->Done();
        run->Busy = false;
        if (done) QMetaObject::invokeMethod(this, [this, run] { Finished(run); });
    });
}

void ReplayMode::Finished(const std::shared_ptr<Run>& run) {
    if (run != run_) return;
    pace_.stop();
    run_.reset();
    ShowIdleTitle();
    const bool outOfStep = run->Player->OutOfStep();
    // The final well stays: the window's own idle game takes it over, so that
    // a repaint shows it until the next game or the stop command.
    session_.Post([held = run](Engine& game) mutable {
        game.TheWell = held->Game.TheWell;
        held.reset();
    });
    if (outOfStep) {
        CenteredMessageDlg(
            window_,
            QCoreApplication::translate("ReplayMode",
                                        "リプレイが記録と合わなくなったため、途中で止めました。"),
            mtWarning, mbOK, 0);
    }
}

void ReplayMode::Stop() {
    if (!run_) return;
    pace_.stop();
    session_.Post([run = std::move(run_)](Engine& game) mutable {
        run.reset();
        game.ResetBoard();
    });
    ShowIdleTitle();
}

void ReplayMode::TogglePause() {
    paused_ = !paused_;
}

void ReplayMode::Repaint() {
    if (!run_) {
        session_.Post([](Engine& game) { game.FormPaint(); });
        return;
    }
    session_.Post([run = run_](Engine&) {
        if (run->Player) run->Game.FormPaint();
    });
}

void ReplayMode::KeepWithTable(const FinishedGame& game) {
    if (!lastGame_) return;
    ReplayFiles::KeepWithRow(HighScoreStore::UserFilePath(), game.Ended, game.Score, *lastGame_);
    lastGame_.reset();
}

void ReplayMode::ShowHighScores(const TGameSettings& settings) {
    HighScoreStore scores(HighScoreStore::UserFilePath());
    ShowHighScoresWithReplays(window_, settings, scores, LastGameFile(),
                              [this](const QString& file) { Play(file, 1); });
}

void ReplayMode::ShowIdleTitle() {
    window_->setWindowTitle(Resources::Text(StringTable::IdleTitle));
}
