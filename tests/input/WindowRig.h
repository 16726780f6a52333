#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

#include "app/BrimalM.h"
#include "app/GameSession.h"

// Stored settings as ("Section/Ident", value), written to the settings store
// before the window is created.
using StoredSettings = std::vector<std::pair<QString, QString>>;

// The falling piece and the piece count, as the engine holds them.
struct PieceState {
    int X = 0;
    int Y = 0;
    int Shape = 0;
    std::string Kazu;
    int NextShape = 0;
};

// A main window of its own for each test, over a settings store of the test
// program's own (its folder is chosen once, before the first settings object,
// and emptied between tests). The program runs with SDL's dummy audio driver.
class WindowTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Writes `stored` into the store, then creates and shows the window.
    void OpenWindow(const StoredSettings& stored = {}, AppServices services = {});
    // What a player must be able to do on any machine, whatever it lacks:
    // start a game, move the piece with a key, watch it fall two rows, stop
    // the game and close the window, which writes the window position.
    void PlayBrieflyAndClose();
    // Starts a game and waits until the engine has brought in the first piece.
    void StartGame();
    PieceState Piece();
    // Puts the falling piece at (x, y) in `shape` and lets it fall one row, so
    // that the fall clock has just been re-armed: no tick comes for the next
    // half second. The piece ends at (x, y + 1).
    void PlacePiece(int shape, int x, int y);
    // Fills cells of the well, each with code 1.
    void FillCells(const std::vector<std::pair<int, int>>& cells);
    // A key press as the window system delivers it: to the window, which hands
    // it to its focus widget. Returns when the engine has carried out what the
    // key asked of it.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void WaitForEngine();

    std::unique_ptr<TBrimalM> window;
};

// Closes every modal dialog as soon as it is shown (the game-over message and
// the about box wait for a click otherwise), for as long as it lives.
class ModalCloser {
public:
    ModalCloser();
    ~ModalCloser();
    int Closed() const { return closed_; }

private:
    int closed_ = 0;
    struct Timer;
    std::unique_ptr<Timer> timer_;
};

// The store file that the windows of the test program read and write.
QString StorePath();

// The length of a RIFF WAVE image's sound in milliseconds.
int WaveLengthMs(const QByteArray& wave);

// Writes `content` to a file of the test program's scratch folder; returns its path.
QString WriteScratchFile(const QString& name, const QByteArray& content);
