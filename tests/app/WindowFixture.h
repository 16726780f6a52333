#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "app/BrimalM.h"
#include "app/GameSession.h"

class Engine;

// The state titles of the main window.
inline const QString IdleTitle = "Brimal  ";
inline const QString PlayingTitle = "Brimal  -Play-";
inline const QString PausedTitle = "Brimal  -Pause-";

// Watches for modal dialogs while it lives: each one that comes up is handed
// to `onDialog` and then closed (unless onDialog closed it already).
class DialogCatcher {
public:
    explicit DialogCatcher(std::function<void(QDialog&)> onDialog = {});
    int Count() const { return count_; }

private:
    void Poll();

    std::function<void(QDialog&)> onDialog_;
    QTimer timer_;
    int count_ = 0;
    bool busy_ = false;
};

// One main window per test, over a store file of its own: the test program
// points the user's configuration folder at a temporary folder once, and each
// test starts with no store file there.
class WindowTest : public ::testing::Test {
public:
    // The store file the window reads and writes.
    static QString StorePath();
    // Writes the store file before the window opens (INI text).
    static void WriteStore(const QByteArray& text);
    // One value of the store file as it is on disk; empty when missing.
    static QString StoredValue(const QString& key);

protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the window and shows it, as the program does.
    void Open();
    // Waits until the engine has carried out everything posted so far, then
    // lets the window show what the engine sent it.
    void Sync();
    // Runs `read` on the engine thread and returns its result.
    template <typename T> T Read(const std::function<T(Engine&)>& read) {
        T value{};
        window->Session().RunOnEngine([&](Engine& game) { value = read(game); });
        return value;
    }
    int PieceRow();
    QString Title() const { return window->windowTitle(); }

    void StartGame();
    void PauseGame();
    // Drops pieces straight down the middle of the default well until a new
    // piece cannot enter; the game-over message is left queued for the window.
    void DropUntilGameOver();

    // What the screen shows of cell (x, y) of the well: the colour at the
    // cell's centre, from the window's flushed picture.
    QRgb ShownCell(int x, int y) const;

    std::unique_ptr<TBrimalM> window;
    // What the window asked of the desktop: its message beeps, and the files
    // it opened.
    std::vector<BeepKind> beeps;
    std::vector<QString> opened;
};
