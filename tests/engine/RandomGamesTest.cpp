#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <unistd.h>

#include "ReplayCheck.h"
#include "engine/GameRecorder.h"
#include "engine/KeyAction.h"
#include "support/GameRig.h"

// Plays random games with random settings, actions and ticks, and checks after
// every engine operation what must always hold: walls and floor intact, the
// falling piece clear of blocks, the screen showing the grid and the piece,
// the timer running exactly while a game is played, and the counters agreeing
// with the landings and the rows they removed. Every game is recorded as it is
// played and replayed from its record when it ends (or when the run stops
// while it is on); the replay must end with the same well, screen, counters
// and queue.
//
// BRIMAL_SOAK_GAMES sets the number of games (a soak run); BRIMAL_SEED the
// first seed (game i uses seed + i).

namespace {

int EnvInt(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text != nullptr ? std::atoi(text) : fallback;
}

// The seed of the game being played, for an abort inside the engine.
volatile std::sig_atomic_t currentSeed = 0;

void ReportSeedOnAbort(int) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "\nrandom game seed %u aborted\n",
                                     static_cast<unsigned>(currentSeed));
    if (length > 0) (void)!write(2, text, static_cast<size_t>(length));
    std::signal(SIGABRT, SIG_DFL);
    std::abort();
}

// What the games went through, to see that the checks met every case.
struct Tally {
    long steps = 0, landings = 0, rows[5] = {}, gameOvers = 0, drops = 0, dropGameOvers = 0,
         replays = 0;
};
Tally tally;

enum class Op { Tick, Action, Pause, Deactivate, Activate, Paint, Stop, Start, Idle };

const char* OpName(Op op) {
    switch (op) {
    case Op::Tick:
        return "tick";
    case Op::Action:
        return "action";
    case Op::Pause:
        return "pause";
    case Op::Deactivate:
        return "deactivate";
    case Op::Activate:
        return "activate";
    case Op::Paint:
        return "paint";
    case Op::Stop:
        return "stop";
    case Op::Start:
        return "start";
    case Op::Idle:
        return "idle";
    }
    return "?";
}

class RandomGame {
public:
    explicit RandomGame(std::uint32_t seed) : seed_(seed), rng_(seed) {
        rig_.Game.SetJournal(&recorder_);
    }

    // Plays one game from its start to its end (or a step limit); returns an
    // empty text or what went wrong.
    std::string Play() {
        ChooseSettings();
        const int steps = Uniform(50, 600);
        for (step_ = 0; step_ < steps; ++step_) {
            if (!Step()) return failure_;
            if (step_ > 0 && Game().IsIdle() && Uniform(0, 3) == 0) break; // the game has ended
        }
        if (recorder_.Recording()) CheckReplay(recorder_.Current());
        return failure_;
    }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    Engine& Game() { return rig_.Game; }
    FakeHost& Host() { return rig_.Host; }
    TGameSettings& Settings() { return rig_.Settings; }
    int Width() const { return rig_.Game.TheWell.Width(); }
    int Height() const { return rig_.Game.TheWell.Height(); }

    void ChooseSettings() {
        TGameSettings& s = Settings();
        // Small wells fill and clear rows more often; large ones check the
        // bounds.
        const int size = Uniform(0, 9);
        s.WellWidth = size < 2 ? 8 : size < 6 ? Uniform(6, 12) : Uniform(6, 50);
        s.WellHeight = size < 2 ? 25 : size < 6 ? Uniform(17, 22) : Uniform(17, 50);
        switch (Uniform(0, 4)) {
        case 0:
            s.RowWait = 0;
            break;
        case 1:
            s.RowWait = 10 * Uniform(1, 100);
            break;
        case 2:
            s.RowWait = Uniform(INT_MIN, -1);
            break;
        case 3:
            s.RowWait = Uniform(1001, INT_MAX);
            break;
        default:
            s.RowWait = 200;
            break;
        }
        s.SoundOn = Chance(0.5);
        s.ShowNext = Chance(0.5);
        s.FixedColors = s.ShowNext || Chance(0.5);
        s.PreFill = Chance(0.3);
        s.PreFillPieces = Chance(0.75) ? Uniform(-2, 12) : Uniform(13, 200);
        s.RatioOn = Chance(0.3);
        for (int k = 1; k <= 7; ++k)
            s.Ratios[k] = Uniform(0, 100);
        for (int slot = 1; slot <= 3; ++slot)
            s.SoundFiles[slot] = Chance(0.5) ? "Standard" : "/s/x.wav";
        Host().Now = static_cast<std::uint64_t>(Uniform(0, 86'399'999));
        Host().SaveWaitScreens = false;
        planner_ = Chance(0.5);
        // As after the settings dialog: a fresh kind and an empty board.
        Game().DrawFreshKind();
        Game().ResetBoard();
    }

    Op ChooseOp() {
        if (Game().IsIdle())
            return step_ == 0 || Chance(0.7) ? Op::Start : Chance(0.5) ? Op::Paint : Op::Idle;
        if (Game().IsPaused()) {
            const int r = Uniform(0, 9);
            return r < 4   ? Op::Pause
                   : r < 6 ? Op::Start
                   : r < 7 ? Op::Activate
                   : r < 8 ? Op::Paint
                           : Op::Tick;
        }
        const int r = Uniform(0, 999);
        if (r < (planner_ ? 100 : 420)) return Op::Tick;
        if (r < 940) return Op::Action;
        if (r < 960) return Op::Pause;
        if (r < 970) return Op::Deactivate;
        if (r < 980) return Op::Activate;
        if (r < 995) return Op::Paint;
        if (r < 997) return Op::Stop;
        return Op::Start; // while playing: nothing
    }

    int ChooseAction() {
        const int r = Uniform(0, 99);
        if (r < 20) return kaMoveLeft;
        if (r < 40) return kaMoveRight;
        if (r < 55) return kaRotateLeft;
        if (r < 65) return kaRotateRight;
        if (r < 80) return kaDropFast;
        if (r < 93) return kaDropAll;
        const int odd[] = {kaNone, 7, -1, 100, INT_MIN};
        return odd[Uniform(0, 4)];
    }

    // The planning player: for each piece it picks the place that completes
    // the most rows and leaves the fewest holes, keeping the last column for
    // vertical bars, so that its games remove rows, four at a time too.
    int PlannedAction() {
        const Engine& game = Game();
        if (planPiece_ != pieces_) {
            planPiece_ = pieces_;
            PlanPlacement();
            turns_ = 0;
        }
        if (game.PieceShape != planShape_ && turns_++ < 4) return kaRotateLeft;
        // A move that did not happen leaves the column as it was: drop there.
        if (game.PieceX != planX_ && lastX_ != game.PieceX) {
            lastX_ = game.PieceX;
            return game.PieceX < planX_ ? kaMoveRight : kaMoveLeft;
        }
        lastX_ = INT_MIN;
        return kaDropAll;
    }

    bool Free(int shape, int x, int y) const {
        for (const CellOffset& c : ShapeTable[shape]) {
            const int cx = x + c.dx, cy = y + c.dy;
            if (cx < 0 || cx >= Width() || cy < -Well::HiddenRows || cy > Height()) return false;
            if (rig_.Game.TheWell.GetCell(cx, cy) != 0) return false;
        }
        return true;
    }

    void PlanPlacement() {
        const Engine& game = Game();
        const Well& well = game.TheWell;
        const int kind = KindOfShape(game.PieceShape);
        int best = INT_MIN;
        planShape_ = game.PieceShape;
        planX_ = game.PieceX;
        for (int shape = 1; shape <= ShapeCount; ++shape) {
            if (KindOfShape(shape) != kind) continue;
            for (int x = -2; x < Width() + 2; ++x) {
                int y = game.PieceY;
                if (!Free(shape, x, y)) continue;
                while (Free(shape, x, y + 1))
                    ++y;
                int score = 2 * y;
                for (int k = 0; k < 4; ++k) {
                    const int cx = x + ShapeTable[shape][k].dx, cy = y + ShapeTable[shape][k].dy;
                    bool below = cy + 1 < Height() && well.GetCell(cx, cy + 1) == 0;
                    for (const CellOffset& c : ShapeTable[shape])
                        below = below && !(c.dx == cx - x && c.dy == cy + 1 - y);
                    score -= below ? 20 : 0;
                    if (cx == Width() - 1 && shape != 2) score -= 15;
                }
                for (int row = y - 3; row <= y; ++row) {
                    int filled = 0;
                    for (int cx = 0; cx < Width(); ++cx) {
                        bool piece = false;
                        for (const CellOffset& c : ShapeTable[shape])
                            piece = piece || (x + c.dx == cx && y + c.dy == row);
                        filled += piece || (row >= -Well::HiddenRows && well.GetCell(cx, row) != 0);
                    }
                    score += filled == Width() ? 100 : 0;
                }
                if (score > best) {
                    best = score;
                    planShape_ = shape;
                    planX_ = x;
                }
            }
        }
    }

    bool PieceCanFall() const {
        const Engine& game = rig_.Game;
        for (const CellOffset& c : ShapeTable[game.PieceShape]) {
            if (game.TheWell.GetCell(game.PieceX + c.dx, game.PieceY + c.dy + 1) != 0) return false;
        }
        return true;
    }

    bool Step() {
        ++tally.steps;
        Host().Now += static_cast<std::uint64_t>(Uniform(0, 400));
        Host().Log.clear();
        Host().Periods.clear();
        const Op op = ChooseOp();
        op_ = OpName(op);
        const int blocksBefore = blocks_;
        const int drawsBefore = Host().Draws;
        const bool wasIdle = Game().IsIdle();
        bool landing = false;

        switch (op) {
        case Op::Tick:
            landing = Host().Enabled && !PieceCanFall();
            rig_.Tick();
            break;
        case Op::Action:
            // Input reaches the engine only while a game is played and the
            // timer runs.
            if (Game().IsPlaying() && Host().Enabled) {
                action_ = planner_ && Chance(0.9) ? PlannedAction() : ChooseAction();
                landing = action_ == kaDropAll || (action_ == kaDropFast && !PieceCanFall());
                Game().DoAction(action_);
            }
            break;
        case Op::Pause:
            Game().GamePauseClick();
            break;
        case Op::Deactivate:
            Game().AppOnDeactivate();
            break;
        case Op::Activate:
            Game().AppOnActivate();
            break;
        case Op::Paint:
            Game().FormPaint();
            break;
        case Op::Stop:
            Game().GameStopClick();
            break;
        case Op::Start:
            Game().GameGameClick();
            break;
        case Op::Idle:
            break;
        }

        if (Host().Draws != drawsBefore) pieceMasked_ = false;
        if (op == Op::Stop) kazu_ = score_ = line4_ = 0;
        if (op == Op::Start && wasIdle && !ReckonStart()) return false;
        if (!(CheckWellAndScreen() && CheckLandings(op, landing, blocksBefore) && CheckState() &&
              CheckCounters()))
            return false;
        for (const GameRecord& record : finished_) {
            if (!CheckReplay(record)) return false;
        }
        finished_.clear();
        return true;
    }

    bool CheckReplay(const GameRecord& record) {
        ++tally.replays;
        const std::string diff = ReplayDiffers(record, Game(), Host());
        return diff.empty() || Fail("the replay differs: " + diff);
    }

    // A new game: the counters start from zero, and an opening drop leaves
    // its four-row clears counted (and everything, if the game ended in it).
    bool ReckonStart() {
        kazu_ = score_ = line4_ = 0;
        ++pieces_;
        if (!Settings().PreFill || Settings().PreFillPieces <= 0) return true;
        const std::vector<int> rows = rig_.RowsPerOpeningLanding();
        ++tally.drops;
        tally.dropGameOvers += Game().IsIdle();
        int removed = 0;
        for (int r : rows) {
            if (r > 4) return Fail("a landing of the drop removed more than four rows");
            removed += r;
            line4_ += r == 4;
            if (Game().IsIdle()) {
                ++kazu_;
                score_ += Points(r);
            }
        }
        if (static_cast<int>(rows.size()) > Settings().PreFillPieces)
            return Fail("the drop landed too many pieces");
        if (rig_.Blocks() != 4 * static_cast<int>(rows.size()) - Width() * removed) {
            return Fail("the blocks after the drop disagree with its landings");
        }
        pieceMasked_ = Game().IsPlaying();
        return true;
    }

    bool CheckLandings(Op op, bool landing, int blocksBefore) {
        if (landing) return ReckonLanding(blocksBefore);
        if (op != Op::Start && op != Op::Stop && blocks_ != blocksBefore)
            return Fail("blocks changed without a landing");
        return true;
    }

    // A landing adds the piece's four cells and removes whole rows.
    bool ReckonLanding(int blocksBefore) {
        const int removedCells = blocksBefore + 4 - blocks_;
        if (removedCells < 0 || removedCells % Width() != 0 || removedCells / Width() > 4) {
            return Fail("a landing changed the blocks by " + std::to_string(removedCells));
        }
        const int rows = removedCells / Width();
        const long waits =
            std::count_if(Host().Log.begin(), Host().Log.end(),
                          [](const std::string& e) { return e.rfind("wait ", 0) == 0; });
        if (waits != rows)
            return Fail("a landing of " + std::to_string(rows) + " rows waited " +
                        std::to_string(waits) + " times");
        ++kazu_;
        score_ += Points(rows);
        line4_ += rows == 4;
        ++tally.landings;
        ++pieces_;
        ++tally.rows[rows];
        if (Game().IsIdle()) ++tally.gameOvers;
        return true;
    }

    static int Points(int rows) { return std::array{0, 1, 4, 8, 16}[static_cast<size_t>(rows)]; }

    // One pass over the well: walls and floor, codes, the piece clear of
    // blocks, the screen, and the blocks counted for the next landing.
    bool CheckWellAndScreen() {
        const Well& well = Game().TheWell;
        if (Host().Width != Width() || Host().Height != Height())
            return Fail("the screen has the wrong size");
        for (int y = -Well::HiddenRows; y <= Height(); ++y) {
            if (well.GetCell(-1, y) != WallCell || well.GetCell(Width(), y) != WallCell) {
                return Fail("a wall is broken");
            }
        }
        const bool running = !Game().IsIdle();
        int pieceX[4], pieceY[4];
        for (int k = 0; k < 4; ++k) {
            pieceX[k] = Game().PieceX + ShapeTable[Game().PieceShape][k].dx;
            pieceY[k] = Game().PieceY + ShapeTable[Game().PieceShape][k].dy;
            if (running && (pieceX[k] < 0 || pieceX[k] >= Width() ||
                            pieceY[k] < -Well::HiddenRows || pieceY[k] >= Height())) {
                return Fail("the piece is outside the well");
            }
        }
        bool pieceOnScreen[4] = {};
        for (int k = 0; k < 4 && running; ++k) {
            if (well.GetCell(pieceX[k], pieceY[k]) != 0) return Fail("the piece overlaps a block");
            if (pieceY[k] < 0) continue;
            // Once an opening drop has repainted the top rows, the piece that
            // entered shows only when it is next drawn.
            if (!pieceMasked_ && Host().At(pieceX[k], pieceY[k]) != Game().PieceColor) {
                return ScreenFault(pieceX[k], pieceY[k], Game().PieceColor);
            }
            pieceOnScreen[k] = !pieceMasked_;
        }
        blocks_ = 0;
        for (int x = 0; x < Width(); ++x) {
            if (well.GetCell(x, Height()) != WallCell) return Fail("the floor is broken");
            for (int y = -Well::HiddenRows; y < Height(); ++y) {
                const int code = well.GetCell(x, y);
                if (code < 0 || code > 7) return Fail("a cell holds code " + std::to_string(code));
                blocks_ += code != 0;
                if (y < 0 || Host().At(x, y) == code) continue;
                bool piece = false;
                for (int k = 0; k < 4; ++k)
                    piece = piece || (pieceOnScreen[k] && pieceX[k] == x && pieceY[k] == y);
                if (!piece) return ScreenFault(x, y, code);
            }
        }
        return true;
    }

    bool ScreenFault(int x, int y, int expected) {
        std::ostringstream text;
        text << "screen cell " << x << "," << y << " shows " << Host().At(x, y) << ", expected "
             << expected << "\nscreen:" << Host().Screen()
             << "grid with piece:" << rig_.GridWithPiece();
        return Fail(text.str());
    }

    bool CheckState() {
        // The window learns the state from what the engine reports with the
        // title; the two must never disagree.
        if (Host().Caption != Game().Caption() || Host().State != Game().State())
            return Fail("the reported state is not the title's");
        if (Game().IsPlaying() != Host().Enabled)
            return Fail("the timer does not follow the playing state");
        if (Game().IsPlaying()) {
            if (Host().Interval < 10 || Host().Interval > 500)
                return Fail("period " + std::to_string(Host().Interval));
            if (Settings().ShowNext && Host().Preview != Game().NextShape)
                return Fail("the preview lags");
        }
        return true;
    }

    bool CheckCounters() {
        const std::string expected[3] = {Padded(score_, 5), Padded(kazu_, 5), Padded(line4_, 2)};
        const Counter which[3] = {Counter::Score, Counter::Kazu, Counter::Line4};
        for (int i = 0; i < 3; ++i) {
            if (Host().Counters[which[i]] != expected[i]) {
                return Fail("counter " + std::to_string(i) + " shows " + Host().Counters[which[i]] +
                            ", expected " + expected[i]);
            }
        }
        return true;
    }

    static std::string Padded(int value, int width) {
        std::string text = std::to_string(value);
        return std::string(static_cast<size_t>(std::max(0, width - static_cast<int>(text.size()))),
                           '0') +
               text;
    }

    bool Fail(const std::string& what) {
        std::ostringstream text;
        const TGameSettings& s = Settings();
        text << "seed " << seed_ << ", step " << step_ << " (" << op_;
        if (std::string(op_) == "action") text << " " << action_;
        text << "), well " << Width() << "x" << Height() << ", RowWait " << s.RowWait
             << ", SoundOn " << s.SoundOn << ", PreFill " << s.PreFill << "/" << s.PreFillPieces
             << ", title \"" << Game().Caption() << "\": " << what;
        failure_ = text.str();
        return false;
    }

    std::uint32_t seed_;
    std::mt19937 rng_;
    GameRig rig_;
    std::vector<GameRecord> finished_; // games that ended in this step
    GameRecorder recorder_{[this] { return static_cast<std::int64_t>(rig_.Host.Now); },
                           [this](GameRecord&& game) { finished_.push_back(std::move(game)); }};
    int step_ = 0;
    const char* op_ = "";
    int action_ = 0;
    bool planner_ = false;
    int pieces_ = 0, planPiece_ = -1, planShape_ = 1, planX_ = 0, turns_ = 0, lastX_ = INT_MIN;
    bool pieceMasked_ = false;
    int blocks_ = 0; // in the grid after the last step
    int kazu_ = 0, score_ = 0, line4_ = 0;
    std::string failure_;
};

} // namespace

TEST(RandomGames, EveryStepKeepsTheWellTheScreenTheTimerAndTheCountersConsistent) {
    const int games = EnvInt("BRIMAL_SOAK_GAMES", 600);
    const auto firstSeed = static_cast<std::uint32_t>(EnvInt("BRIMAL_SEED", 20240517));
    std::signal(SIGABRT, ReportSeedOnAbort);
    for (int i = 0; i < games; ++i) {
        const std::uint32_t seed = firstSeed + static_cast<std::uint32_t>(i);
        currentSeed = static_cast<std::sig_atomic_t>(seed);
        std::string failure;
        try {
            failure = RandomGame(seed).Play();
        } catch (const std::exception& e) {
            failure = "seed " + std::to_string(seed) + ": the host refused a call: " + e.what();
        }
        if (!failure.empty()) {
            ADD_FAILURE() << failure << "\n(rerun this game alone with BRIMAL_SEED=" << seed
                          << " BRIMAL_SOAK_GAMES=1)";
            break;
        }
    }
    std::signal(SIGABRT, SIG_DFL);
    std::cout << games << " games from seed " << firstSeed << ": " << tally.steps << " steps, "
              << tally.landings << " landings (rows 0 to 4: " << tally.rows[0] << ", "
              << tally.rows[1] << ", " << tally.rows[2] << ", " << tally.rows[3] << ", "
              << tally.rows[4] << "), " << tally.gameOvers << " game overs, " << tally.drops
              << " opening drops (" << tally.dropGameOvers << " ended the game), " << tally.replays
              << " replays\n";
    // The checks met what they are there for: a run of the usual length (not
    // one game run again alone) clears rows of every count, and its games end.
    if (games >= 100) {
        for (int rows = 1; rows <= 4; ++rows)
            EXPECT_GT(tally.rows[rows], 0) << "no landing cleared " << rows << " rows";
        EXPECT_GT(tally.gameOvers, 0);
        EXPECT_GT(tally.drops, 0);
        EXPECT_GE(tally.replays, tally.gameOvers);
    }
}
