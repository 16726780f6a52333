#pragma once

#include <QMainWindow>
#include <array>
#include <atomic>
#include <memory>

#include "app/KeyPressOnce.h"
#include "app/WindowHost.h"
#include "engine/GameSettings.h"

class BevelBox;
class CentreTrayIcon;
class BoardSurface;
class Engine;
class EngineThread;
class FallClock;
class Joystick;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class SdlSession;
class SettingsStore;
class SoundPlayer;
class TKePanel;
class WellView;
class PreviewView;
struct JoystickReport;

// The one main window: the well on the left, the preview and the counters on
// the right, the menu bar; it owns the engine, the settings, the fall clock,
// the images, the clips and the joystick. Engine operations run on the engine
// thread; this class posts them there and shows what the engine draws.
class TBrimalM : public QMainWindow, private BoardWindow {
public:
    explicit TBrimalM(QWidget* parent = nullptr);
    ~TBrimalM() override;

    // Menu commands (also reached by their shortcut keys).
    void GameGameClick();
    void GameStopClick();
    void GamePauseClick();
    void Exit1Click();
    void MemuSetupClick(QAction* sender);

    // The application gaining or losing activation.
    void AppOnActivate();
    void AppOnDeactivate();

    // The window-menu command that brings the window to the centre of the
    // screen, restoring it first when it is minimised.
    void CentreOnDesktop();
    // A command of the window menu by its id, as the input hook takes it: 11
    // restores and centres the window when no game is in active play; every
    // other id does nothing.
    void WindowMenuCommand(int id);

    // The settings store (for tests) and the engine thread's queue.
    TGameSettings& GameSettings() { return Settings; }
    // Runs `operation` on the engine thread and waits for it (tests, start-up).
    void RunOnEngine(const std::function<void(Engine&)>& operation);
    // Whether a game is in active play: the playing title and Timer1 on.
    bool InActivePlay() const;
    // Whether the fall clock Timer1 is switched on.
    bool Timer1Enabled() const;
    // The sound player behind the engine's sounds and the message beeps
    // (tests); silent once the window has closed.
    SoundPlayer* SoundService() const { return Sound.get(); }

    // Menu items, by their names.
    QAction* GameGame = nullptr;
    QAction* GameStop = nullptr;
    QAction* GamePause = nullptr;
    QAction* Exit1 = nullptr;
    QAction* MemuSetup = nullptr;
    QAction* MenuHelp = nullptr;
    QAction* MenuAbout = nullptr;
    QMenu* MenuGame = nullptr;
    QMenu* MenuSet = nullptr;

    // The window's controls.
    WellView* GG = nullptr;
    PreviewView* NG = nullptr;
    BevelBox* Bevel1 = nullptr;
    TKePanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Score = nullptr;
    QLineEdit* Kazu = nullptr;
    QLineEdit* Line4 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void CreateMenus();
    void CreateControls();
    void AppMessage(QObject* receiver, QEvent* event);
    void OnJoystickReport(const JoystickReport& report);
    void DispatchAction(int code);
    void MinimiseApplication();
    void CarryOutSetupCommand(QAction* sender);
    void ShowAbout();
    void ShowSettingsDialog();
    void PostToEngine(std::function<void(Engine&)> operation);

    // BoardWindow: what the engine thread asks of the window.
    void ApplyLayout(int width, int height) override;
    void RepaintWell() override;
    void RepaintPreview() override;
    void ShowCounter(Counter which, const QString& text) override;
    void ShowCaption(const QString& caption) override;
    void ShowGameOver(const QString& text) override;
    void MovePointerTo(int clientX, int clientY) override;

    TGameSettings Settings;
    std::unique_ptr<SettingsStore> SettingsStore_;
    std::unique_ptr<SdlSession> Sdl;
    std::unique_ptr<SoundPlayer> Sound;
    std::unique_ptr<Joystick> Joy;
    int JoyRepeat = 0;       // the joystick's auto-repeat state
    KeyPressOnce KeyPresses; // the key press the input hook has seen last (UI thread)
    std::unique_ptr<BoardSurface> Surface;
    std::unique_ptr<EngineThread> Thread;
    std::unique_ptr<FallClock> Timer1;
    std::unique_ptr<WindowHost> Host;
    std::unique_ptr<Engine> Game;
    QString IdleTitle;
    QWidget* Client = nullptr;
    bool Closed = false; // the close sequence has run: nothing may be used any more
    std::unique_ptr<CentreTrayIcon> TrayIcon; // null where the desktop has no tray
};

// The one main window of the program, while it exists.
extern TBrimalM* BrimalM;
