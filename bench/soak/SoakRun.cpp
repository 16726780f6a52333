#include "bench/soak/SoakRun.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>

#include "app/BrimalM.h"
#include "app/play/GameSession.h"
#include "bench/soak/Placement.h"
#include "bench/soak/SeededDraws.h"
#include "engine/Engine.h"

namespace {

// A value in kB from /proc/self/status ("VmRSS", "VmHWM").
long long StatusKb(const char* field) {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ')[0].toLongLong();
    }
    return 0;
}

// How long the player may see no landing before the run counts as frozen.
constexpr double StallSeconds = 30;

// The goal for the RSS's growth from the end of the warm-up to the end of the
// run; growth up to it is the allocator's noise, beyond it a leak.
constexpr long long RssGrowthGoalKb = 1024;

} // namespace

SoakRun::SoakRun(TBrimalM& window, const SoakOptions& options)
    : window_(window), options_(options), random_(options.Seed) {
    stepTimer_.setInterval(20);
    messageTimer_.setInterval(20);
    sampleTimer_.setInterval(options_.SampleSeconds * 1000);
    endTimer_.setSingleShot(true);
    endTimer_.setTimerType(Qt::PreciseTimer);
    endTimer_.setInterval(options_.Seconds * 1000);
    QObject::connect(&stepTimer_, &QTimer::timeout, [this] { Step(); });
    QObject::connect(&messageTimer_, &QTimer::timeout, [this] { WatchMessage(); });
    QObject::connect(&sampleTimer_, &QTimer::timeout, [this] { Sample(); });
    QObject::connect(&endTimer_, &QTimer::timeout, [this] { Finish(); });
    // A landing shows in the window's piece count just before the next piece
    // enters: the player's cue, with no need to ask the engine all the time.
    if (auto* kazu = window_.findChild<QLineEdit*>("Kazu")) {
        QObject::connect(kazu, &QLineEdit::textChanged, [this] {
            pieceDue_ = true;
            QTimer::singleShot(0, [this] { Step(); });
        });
    } else {
        Note("the window shows no piece count");
    }
}

SoakRun::~SoakRun() {
    if (!draws_) return;
    // The window outlives the run: its recorder takes the draws back.
    window_.Session().RunOnEngine([this](Engine& engine) {
        if (engine.Journal() == draws_.get()) engine.SetJournal(&draws_->Inner());
    });
}

void SoakRun::Start() {
    if (options_.SeededPieces) {
        window_.Session().RunOnEngine([this](Engine& engine) {
            // The window's recorder is always there: the draws go on to it.
            draws_ = std::make_unique<SeededDraws>(*engine.Journal(), options_.Seed);
            engine.SetJournal(draws_.get());
            // The first game's second piece was drawn at start-up, from the clock.
            engine.DrawFreshKind();
        });
    }
    clock_.start();
    warmAt_ = std::min(options_.WarmUpSeconds, options_.Seconds / 4);
    for (QTimer* timer : {&stepTimer_, &messageTimer_, &sampleTimer_, &endTimer_})
        timer->start();
}

void SoakRun::Step() {
    if (stepping_ || finished_ || ModalDialog()) return;
    stepping_ = true;
    GameSession& session = window_.Session();
    const double now = Seconds();
    switch (phase_) {
    case Phase::StartGame:
        if (KeepActive()) {
            tally_.ExpectNewGame();
            Press(window_.windowHandle(), Qt::Key_G);
            phase_ = Phase::Starting;
            phaseSince_ = now;
        }
        break;
    case Phase::Starting:
        if (session.InActivePlay()) {
            Observe(Read());
            phase_ = Phase::Playing;
            pieceDue_ = true;
            lastActivePlay_ = now;
        } else if (now - phaseSince_ > 2) {
            phase_ = Phase::StartGame; // G went astray (the window was not active): again
        }
        break;
    case Phase::Playing:
        if (options_.Player && pieceDue_) {
            pieceDue_ = false;
            lastActivePlay_ = now;
            const EngineSample game = Read();
            Observe(game);
            if (game.State == GameState::Playing) PlayPiece(game);
        } else if (session.InActivePlay()) {
            lastActivePlay_ = now;
        } else if (now - lastActivePlay_ > 1 && now - lastStateCheck_ > 0.5) {
            // Longer than a row's wait and sound: paused by a loss of activation,
            // or over with its message still to come.
            lastStateCheck_ = now;
            const EngineSample game = Read();
            Observe(game);
            if (game.State == GameState::Paused && KeepActive()) {
                ++resumes_;
                Press(window_.windowHandle(), Qt::Key_P);
            }
        }
        break;
    }
    stepping_ = false;
}

void SoakRun::PlayPiece(const EngineSample& game) {
    const Placement placement = ChoosePlacement(game.TheWell, game.PieceShape, game.PieceX,
                                                game.PieceY, options_.Slips, random_);
    std::vector<Qt::Key> keys;
    for (TurnDirection turn : placement.Turns)
        keys.push_back(turn == TurnDirection::Right ? Qt::Key_X : Qt::Key_Z);
    keys.insert(keys.end(), std::abs(placement.Moves),
                placement.Moves < 0 ? Qt::Key_Left : Qt::Key_Right);
    keys.push_back(Qt::Key_Space);
    for (Qt::Key key : keys) {
        // A key press runs the event loop: the game may end meanwhile.
        if (finished_ || ModalDialog()) return;
        Press(window_.windowHandle(), key);
    }
}

void SoakRun::WatchMessage() {
    QDialog* dialog = ModalDialog();
    if (!dialog || watching_) return;
    watching_ = true;
    const double now = Seconds();
    if (dialog != message_) {
        // A new message: the game is over and its well is final.
        message_ = dialog;
        messageSince_ = now;
        lastEnter_ = -1;
        ++messages_;
        Observe(Read());
    }
    if (now - messageSince_ > 5) {
        Note("the game-over message did not close on Enter");
        dialog->reject();
    } else if (now - lastEnter_ >= 0.1) {
        lastEnter_ = now;
        Press(dialog->windowHandle(), Qt::Key_Return);
    }
    if (!message_ || !message_->isVisible()) phase_ = Phase::StartGame;
    watching_ = false;
}

void SoakRun::Sample() {
    if (sampling_) return;
    sampling_ = true;
    ++samples_;
    const double now = Seconds();
    rssEnd_ = StatusKb("VmRSS");
    rssPeak_ = StatusKb("VmHWM");
    if (rssWarm_ < 0 && now >= warmAt_) rssWarm_ = rssEnd_;
    if (rssWarm_ >= 0) rssHighest_ = std::max(rssHighest_, rssEnd_);
    Observe(Read(true));
    if (now - lastReport_ >= 60) {
        lastReport_ = now;
        std::printf("%.0f s: games %lld, pieces %lld, rows %lld, RSS %lld kB, violations %zu\n",
                    now, tally_.Games(), tally_.Pieces(), tally_.Rows(), rssEnd_,
                    violations_.size());
        std::fflush(stdout);
    }
    if (tally_.Pieces() != piecesAtProgress_) {
        piecesAtProgress_ = tally_.Pieces();
        lastProgress_ = now;
        stalled_ = false;
    } else if (now - lastProgress_ > StallSeconds && !stalled_) {
        stalled_ = true;
        Note("no piece has landed for " + std::to_string(static_cast<int>(StallSeconds)) + " s");
    }
    sampling_ = false;
}

void SoakRun::Finish() {
    if (stepping_ || sampling_) {
        // Inside a key press of the player: end once it has returned.
        endTimer_.start(10);
        return;
    }
    finished_ = true;
    stepTimer_.stop();
    sampleTimer_.stop();
    Sample();
    // The title check runs once the window has handled what the engine posted.
    if (!QTest::qWaitFor([this] { return titleChecks_ >= titleChecksAsked_; }, 5000))
        Note("the window never handled a title check");
    if (tally_.Pieces() == 0) Note("no piece landed in the whole run");
    if (options_.Player && tally_.Rows() == 0) Note("the player cleared no row");
    if (RssGrowthJudged() && rssEnd_ - rssWarm_ >= RssGrowthGoalKb) {
        Note("the RSS grew by " + std::to_string(rssEnd_ - rssWarm_) +
             " kB after the warm-up, against a goal of less than " +
             std::to_string(RssGrowthGoalKb) + " kB");
    }
    messageTimer_.stop();
    PrintSummary();
    window_.close();
    QCoreApplication::exit(violations_.empty() ? 0 : 1);
}

void SoakRun::PrintSummary() const {
    const auto& by = tally_.ByRows();
    std::printf("soak: %.1f s at a fall period of 10 ms, %s\n", Seconds(),
                options_.Player ? "with the player" : "without a player");
    if (options_.Player)
        std::printf("  player: slips %.2f, seed %u\n", options_.Slips, options_.Seed);
    std::printf("  games started %lld, ended %lld (game-over messages %lld)\n", tally_.Games(),
                tally_.GamesEnded(), messages_);
    std::printf("  pieces landed %lld, rows cleared %lld, four-row clears %lld\n", tally_.Pieces(),
                tally_.Rows(), tally_.FourRowClears());
    std::printf("  landings seen one by one, by rows cleared 0-4: %lld %lld %lld %lld %lld\n",
                by[0], by[1], by[2], by[3], by[4]);
    std::printf("  engine reads %lld (invariants each), title checks %lld, samples %lld\n", reads_,
                titleChecks_, samples_);
    std::printf("  window activations %lld, resumes after a pause %lld\n", activations_, resumes_);
    if (rssWarm_ >= 0) {
        std::printf("  RSS after warm-up (%.0f s) %lld kB, at the end %lld kB: growth %+lld kB "
                    "(goal < %lld%s); highest after warm-up %lld kB; peak (VmHWM) %lld kB\n",
                    warmAt_, rssWarm_, rssEnd_, rssEnd_ - rssWarm_, RssGrowthGoalKb,
                    RssGrowthJudged() ? "" : ", not judged after a warm-up cut short", rssHighest_,
                    rssPeak_);
    }
    std::printf("  violations %zu\n", violations_.size());
    for (size_t i = 0; i < violations_.size() && i < 20; ++i)
        std::printf("    %s\n", violations_[i].c_str());
    std::fflush(stdout);
}

EngineSample SoakRun::Read(bool checkTitle) {
    EngineSample game;
    GameSession& session = window_.Session();
    session.RunOnEngine([&](Engine& engine) {
        game = ReadEngine(engine, session.Timer1Enabled());
        if (!checkTitle) return;
        // Queued behind every call the engine has posted to the window so far,
        // so it sees the title they leave.
        QMetaObject::invokeMethod(
            &window_, [this, caption = game.Caption] { CheckTitle(caption); },
            Qt::QueuedConnection);
    });
    ++reads_;
    if (checkTitle) ++titleChecksAsked_;
    for (const std::string& fault : BrokenInvariants(game))
        Note(fault);
    return game;
}

void SoakRun::Observe(const EngineSample& game) {
    for (const std::string& fault : tally_.Observe(game))
        Note(fault);
    if (options_.Pieces > 0 && tally_.Pieces() >= options_.Pieces && !finished_) endTimer_.start(0);
}

void SoakRun::CheckTitle(const std::string& caption) {
    ++titleChecks_;
    const QString shown = window_.windowTitle();
    if (shown != QString::fromStdString(caption)) {
        Note("window title '" + shown.toStdString() + "' while the engine's state is titled '" +
             caption + "'");
    }
}

void SoakRun::Note(const std::string& fault) {
    char when[32];
    std::snprintf(when, sizeof when, "%.1f s: ", Seconds());
    violations_.push_back(when + fault);
    if (violations_.size() <= 50)
        std::fprintf(stderr, "violation: %s\n", violations_.back().c_str());
}

bool SoakRun::RssGrowthJudged() const {
    // In a run shorter than four warm-ups the warm-up is cut to a quarter of
    // it, and allocations made once, by the first game-overs, still count as
    // growth there.
    return rssWarm_ >= 0 && options_.WarmUpSeconds <= options_.Seconds / 4;
}

bool SoakRun::KeepActive() {
    // The menu's G needs an active window, and a game that loses activation
    // pauses. With no window manager, nothing activates the window but this.
    if (window_.isActiveWindow()) return true;
    if (lastActivation_ < 0 || Seconds() - lastActivation_ > 0.5) {
        lastActivation_ = Seconds();
        ++activations_;
        window_.activateWindow();
    }
    return false;
}

void SoakRun::Press(QWindow* window, Qt::Key key) {
    QTest::keyClick(window, key);
}

QDialog* SoakRun::ModalDialog() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    return dialog && dialog->isVisible() ? dialog : nullptr;
}
