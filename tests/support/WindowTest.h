#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/BrimalM.h"
#include "app/play/GameSession.h"
#include "support/DialogCatcher.h"

class Engine;

// The state titles of the main window.
inline const QString IdleTitle = "Brimal  ";
inline const QString PlayingTitle = "Brimal  -Play-";
inline const QString PausedTitle = "Brimal  -Pause-";

// Stored settings as ("Section/Ident", value).
using StoredSettings = std::vector<std::pair<QString, QString>>;

// The falling piece and the piece count, as the engine holds them.
struct PieceState {
    int X = 0;
    int Y = 0;
    int Shape = 0;
    std::string Kazu;
    int NextShape = 0;
};

// One main window per test, over a store file of its own. The test program
// has one application; before it is made, the user's folders point at
// temporary ones (PrivateUserFolders) and SDL gets its dummy audio driver
// unless told otherwise. Each test starts without a store file.
class WindowTest : public ::testing::Test {
public:
    // The store file the window reads and writes.
    static QString StorePath();
    // Writes the store file before the window opens: INI text, or settings.
    static void WriteStore(const QByteArray& text);
    static void WriteStore(const StoredSettings& stored);
    // One value of the store file as it is on disk; empty when missing.
    static QString StoredValue(const QString& key);

protected:
    void SetUp() override;
    void TearDown() override;

    // Writes `stored` into the store when it holds any, then creates the
    // window over `services` and shows it, as the program does.
    void Open(const StoredSettings& stored = {});
    // Waits until the engine has carried out everything posted so far.
    void WaitForEngine();
    // The same, then lets the window show what the engine sent it.
    void Sync();
    // Runs `read` on the engine thread and returns its result.
    template <typename T> T Read(const std::function<T(Engine&)>& read) {
        T value{};
        window->Session().RunOnEngine([&](Engine& game) { value = read(game); });
        return value;
    }
    PieceState Piece();
    QString Title() const { return window->windowTitle(); }

    // Starts a game and waits until the engine has brought in the first piece.
    void StartGame();
    void PauseGame();
    // Drops pieces straight down the middle of the default well until a new
    // piece cannot enter; the game-over message is left queued for the window.
    void DropUntilGameOver();
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
    // What a player must be able to do on any machine, whatever it lacks:
    // start a game, move the piece with a key, watch it fall two rows, stop
    // the game and close the window, which writes the window position.
    void PlayBrieflyAndClose();

    // What the screen shows of cell (x, y) of the well: the colour at the
    // cell's centre, from the window's flushed picture.
    QRgb ShownCell(int x, int y) const;

    // The services the next window is made with: by default they record the
    // message beeps and the files opened (and for which window) instead of
    // reaching the desktop.
    AppServices services;
    std::vector<BeepKind> beeps;
    std::vector<QString> opened;
    std::vector<QWidget*> openedFor;

    std::unique_ptr<TBrimalM> window;
};
