#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <array>
#include <atomic>
#include <memory>
#include <string>

#include "engine/EngineHost.h"

class BoardSurface;
class EngineThread;
class FallClock;
class SoundPlayer;

// What the window does for the engine on the user-interface thread. The host
// posts these calls; none of them is waited for, so the engine never blocks on
// the user-interface thread.
class BoardWindow {
public:
    virtual ~BoardWindow() = default;
    virtual void ApplyLayout(int width, int height) = 0;
    virtual void RepaintWell() = 0;
    // The preview shows the next piece of `kind`, or none when 0.
    virtual void RepaintPreview(int kind) = 0;
    virtual void ShowCounter(Counter which, const QString& text) = 0;
    virtual void ShowCaption(GameState state, const QString& caption) = 0;
    virtual void ShowGameOver(const QString& text) = 0;
    virtual void MovePointerTo(int clientX, int clientY) = 0;
};

// The engine's host in the real program. Runs on the engine thread: draws into
// the board surface at once, switches Timer1, waits, plays sounds, and posts
// everything the window must show to the user-interface thread. It also
// publishes, as the engine changes them, whether a game is in active play.
class WindowHost : public EngineHost {
public:
    WindowHost(QObject* window, BoardWindow& board, BoardSurface& surface, FallClock& clock,
               EngineThread& thread, SoundPlayer& sound, std::array<QByteArray, 4> clips);

    // Whether a game is in active play (IsActivePlay), published on the engine
    // thread each time the state or Timer1 changes; read on any thread.
    bool InActivePlay() const { return activePlay_.load(); }

    void LayoutBoard(int width, int height) override;
    void DrawCell(int x, int y, int code) override;
    void FillWellBlack() override;
    void DrawPreview(int shape) override;
    void ClearPreview() override;
    // Shows the preview bitmap again as it is now, with the kind it shows.
    void RepaintPreview();
    void ShowCounter(Counter which, const std::string& text) override;
    void SetCaption(GameState state, const std::string& caption) override;
    void SetTimerEnabled(bool enabled) override;
    bool TimerEnabled() const override;
    void SetTimerInterval(int milliseconds) override;
    int TimerInterval() const override;
    void Wait(int milliseconds) override;
    void PlayClip(int slot, bool waitForEnd) override;
    void PlayFile(const std::string& path, bool waitForEnd) override;
    void Beep(BeepKind kind) override;
    void ShowMessage(const std::string& text) override;
    void MovePointerBesideWell(int wellWidth) override;
    std::uint32_t MillisecondsSinceMidnightUtc() override;

private:
    // Queues `call(board)` for the user-interface thread. The queued call holds
    // the window, never the host: the host goes at close while calls for a
    // window that is still there may be waiting.
    template <typename F> void Post(F&& call);
    void RequestWellRepaint();
    void PublishActivePlay();

    QPointer<QObject> window_;
    BoardWindow& board_;
    BoardSurface& surface_;
    FallClock& clock_;
    EngineThread& thread_;
    SoundPlayer& sound_;
    std::array<QByteArray, 4> clips_;
    GameState state_ = GameState::Idle; // engine thread
    int previewKind_ = 0;               // engine thread; 0 while the preview shows none
    std::atomic<bool> activePlay_{false};
    // Shared with the queued repaint, which may run after the host has gone.
    std::shared_ptr<std::atomic<bool>> wellRepaintPending_ =
        std::make_shared<std::atomic<bool>>(false);
};
