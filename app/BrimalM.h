#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "app/AppServices.h"
#include "app/play/WindowHost.h"
#include "components/TranslatedTexts.h"
#include "components/UseLanguage.h"
#include "engine/GameSettings.h"

class BevelBox;
class WindowMenuAdditions;
class CounterPanel;
class Engine;
class GameOverHandOff;
class GameSession;
class InputRouter;
class PreviewView;
class ReplayMode;
class QAction;
class QMenu;
class SdlSession;
class SettingsStore;
class WellView;

// The one main window: the well on the left, the preview and the counters on
// the right, the menu bar. It composes the program: the settings and their
// store, the game session that runs the engine, the input router, and it shows
// what the engine draws and carries out the menu commands. Each control has
// its name as object name.
//
// Threads: the UI thread. The engine's calls reach it queued (BoardWindow).
class TBrimalM : public QMainWindow, private BoardWindow {
public:
    explicit TBrimalM(AppServices services = {}, QWidget* parent = nullptr);
    ~TBrimalM() override;

    // Menu commands (also reached by their shortcut keys).
    void GameGameClick();
    void GameStopClick();
    void GamePauseClick();
    void Exit1Click();
    void MemuSetupClick(QAction* sender);
    // A game controller's Start pressed: 開始 while no game is on, 一時停止 in
    // a game or a pause, as the player would choose them from the menu; and
    // only while this window is active, so that a pad on the desk starts
    // nothing behind another window or under a dialog.
    void PadStartClick();
    // Draws the blocks with or without their patterns, and keeps the choice.
    void MenuPatternsClick(bool patterned);

    // The application gaining or losing activation.
    void AppOnActivate();
    void AppOnDeactivate();

    // A command of the window menu by its id: 11 restores the window when it
    // is minimised and centres it on the screen, in its turn among the
    // commands, unless a game is then in active play; every other id does
    // nothing.
    void WindowMenuCommand(int id);

    // SDL, the sound device and joystick 1 have been started: just after the
    // window's first paint.
    bool SdlStarted() const { return Sdl->Started(); }

    TGameSettings& GameSettings() { return Settings; }
    GameSession& Session() { return *Game; }
    ReplayMode& Replays() { return *Replay; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void FormCreate();
    void FormClose();
    void CreateMenus();
    void CreateLanguageMenu();
    // 日本語 or English from the menu: at once, and kept in the store.
    void ChooseLanguage(Language language);
    void CreateControls();
    void CarryOutSetupCommand(QAction* sender);
    void ShowSettingsDialog();
    void PostToEngine(std::function<void(Engine&)> operation);
    void StartSdl();
    bool Closed() const;

    // BoardWindow: what the engine thread asks of the window.
    void ApplyLayout(int width, int height) override;
    void RepaintWell() override;
    void RepaintPreview(int kind) override;
    void ShowCounter(Counter which, const QString& text) override;
    void ShowCaption(GameState state, const QString& caption) override;
    void ShowGameOver(const QString& text) override;
    void MovePointerTo(int clientX, int clientY) override;

    AppServices Services;
    TGameSettings Settings;
    std::unique_ptr<SettingsStore> SettingsStore_;
    std::unique_ptr<SdlSession> Sdl;
    std::unique_ptr<GameSession> Game;
    std::unique_ptr<InputRouter> Input;
    std::unique_ptr<ReplayMode> Replay;
    std::unique_ptr<WindowMenuAdditions> WindowMenu;
    std::unique_ptr<GameOverHandOff> GameOver;

    QMenu* MenuGame = nullptr;
    QAction* GameGame = nullptr;
    QAction* GameStop = nullptr;
    QAction* GamePause = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* MenuSet = nullptr;
    QAction* MemuSetup = nullptr;
    QAction* MenuHighScore = nullptr;
    QAction* MenuPatterns = nullptr;
    QAction* MenuHelp = nullptr;
    QAction* MenuAbout = nullptr;
    QMenu* MenuLanguage = nullptr;
    TranslatedTexts Texts{"TBrimalM"}; // the menus' texts with their sources

    QWidget* Client = nullptr;
    WellView* GG = nullptr;
    PreviewView* NG = nullptr;
    BevelBox* Bevel1 = nullptr;
    CounterPanel* Panel1 = nullptr;
    // The state the title shows, as the well's description tells it.
    GameState ShownState = GameState::Idle;
};
