#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/soak/EngineSample.h"
#include "bench/soak/Tally.h"

class QDialog;
class QWindow;
class SeededDraws;
class TBrimalM;

struct SoakOptions {
    int Seconds = 60;
    int SampleSeconds = 5;
    int WarmUpSeconds = 60; // at most a quarter of the run
    bool Player = true;     // without it the pieces fall where they enter
    double Slips = 0.03;    // the share of pieces the player puts anywhere
    unsigned Seed = 1;
    long long Pieces = 0;      // when set, the run ends once this many have landed
    bool SeededPieces = false; // the pieces come from a sequence seeded by Seed
};

// Plays the real main window for a given time, through its keys as a player
// presses them: G starts a game, the player turns, moves and drops each piece
// where it scores best, and Enter closes the game-over message before the next
// G. Every few seconds it samples the process's memory, the engine's
// invariants and the window's title; at the end it prints a summary and quits
// the application, with exit code 1 after any violation (memory grown past its
// goal after a full warm-up is one).
//
// Threads: the UI thread. The engine is read between its operations
// (GameSession::RunOnEngine); a modal message runs its own event loop inside a
// key press, so the message is watched by a timer of its own.
class SoakRun {
public:
    SoakRun(TBrimalM& window, const SoakOptions& options);
    ~SoakRun();
    void Start();

private:
    enum class Phase { StartGame, Starting, Playing };

    void Step();
    void PlayPiece(const EngineSample& game);
    void WatchMessage();
    void Sample();
    void Finish();
    void PrintSummary() const;

    EngineSample Read(bool checkTitle = false);
    void Observe(const EngineSample& game);
    void CheckTitle(const std::string& caption);
    void Note(const std::string& fault);
    bool RssGrowthJudged() const;
    bool KeepActive();
    static void Press(QWindow* window, Qt::Key key);
    static QDialog* ModalDialog();
    double Seconds() const { return clock_.elapsed() / 1000.0; }

    TBrimalM& window_;
    const SoakOptions options_;
    std::mt19937 random_;
    QElapsedTimer clock_;
    QTimer stepTimer_, messageTimer_, sampleTimer_, endTimer_;

    Phase phase_ = Phase::StartGame;
    double phaseSince_ = 0, lastActivePlay_ = 0, lastStateCheck_ = 0, lastActivation_ = -1;
    bool pieceDue_ = false; // a new piece has entered and the player has not placed it
    bool stepping_ = false, watching_ = false, sampling_ = false, finished_ = false;
    QPointer<QDialog> message_;
    double messageSince_ = 0, lastEnter_ = -1;

    Tally tally_;
    long long reads_ = 0, titleChecksAsked_ = 0, titleChecks_ = 0, samples_ = 0;
    long long activations_ = 0, resumes_ = 0, messages_ = 0;
    long long rssWarm_ = -1, rssEnd_ = 0, rssHighest_ = 0, rssPeak_ = 0;
    double warmAt_ = 0;
    long long piecesAtProgress_ = 0;
    double lastProgress_ = 0, lastReport_ = 0;
    bool stalled_ = false;
    std::vector<std::string> violations_;
    std::unique_ptr<SeededDraws> draws_;
};
