#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "app/BrimalM.h"
#include "app/CentreCommand.h"
#include "app/GameSession.h"
#include "components/PMsgDlg.h"
#include "engine/Engine.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"
#include "settings/SettingsDialog.h"

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void TBrimalM::CreateMenus() {
    // All shortcuts are single keys without modifiers; items are never
    // disabled: each handler decides by the state what to do.
    MenuGame = menuBar()->addMenu("ゲーム(&G)");
    MenuGame->setObjectName("MenuGame");
    GameGame = AddItem(MenuGame, "GameGame", "開始(&G)", QKeySequence(Qt::Key_G));
    GameStop = AddItem(MenuGame, "GameStop", "中止(&S)", QKeySequence(Qt::Key_S));
    GamePause = AddItem(MenuGame, "GamePause", "一時停止(&P)", QKeySequence(Qt::Key_P));
    MenuGame->addSeparator()->setObjectName("N2");
    Exit1 = AddItem(MenuGame, "Exit1", "終了(&X)");

    MenuSet = menuBar()->addMenu("設定等(&S)");
    MenuSet->setObjectName("MenuSet");
    MemuSetup = AddItem(MenuSet, "MemuSetup", "設定(&S)...");
    MenuSet->addSeparator()->setObjectName("N1");
    MenuHelp = AddItem(MenuSet, "MenuHelp", "ヘルプ(&H)", QKeySequence(Qt::Key_F1));
    MenuAbout = AddItem(MenuSet, "MenuAbout", "バージョン情報(&A)...");

    connect(GameGame, &QAction::triggered, this, [this] { GameGameClick(); });
    connect(GameStop, &QAction::triggered, this, [this] { GameStopClick(); });
    connect(GamePause, &QAction::triggered, this, [this] { GamePauseClick(); });
    connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
    for (QAction* item : {MemuSetup, MenuHelp, MenuAbout}) {
        connect(item, &QAction::triggered, this, [this, item] { MemuSetupClick(item); });
    }
}

void TBrimalM::PostToEngine(std::function<void(Engine&)> operation) {
    if (Game) Game->Post(std::move(operation));
}

void TBrimalM::GameGameClick() {
    PostToEngine([](Engine& game) { game.GameGameClick(); });
}

void TBrimalM::GameStopClick() {
    PostToEngine([](Engine& game) { game.GameStopClick(); });
}

void TBrimalM::GamePauseClick() {
    PostToEngine([](Engine& game) { game.GamePauseClick(); });
}

void TBrimalM::Exit1Click() {
    close();
}

void TBrimalM::AppOnActivate() {
    PostToEngine([](Engine& game) { game.AppOnActivate(); });
}

void TBrimalM::AppOnDeactivate() {
    PostToEngine([](Engine& game) { game.AppOnDeactivate(); });
}

void TBrimalM::MemuSetupClick(QAction* sender) {
    // The state is the engine's: it is asked in turn with the other
    // operations, so that a Start still queued counts, and the command is
    // carried out here when the answer is idle. While its dialog is up, the
    // window takes no other command.
    if (Game) Game->WhenIdle([this, sender] { CarryOutSetupCommand(sender); });
}

void TBrimalM::CarryOutSetupCommand(QAction* sender) {
    if (sender == MenuAbout) {
        if (Settings.SoundOn) Services.Desktop.MessageBeep(BeepKind::Information);
        CenteredMessageDlg(this, Resources::Text(StringTable::AboutText), mtCustom, mbOK, 0);
    } else if (sender == MenuHelp) {
        const QString help = Services.Desktop.HelpFilePath();
        if (!help.isEmpty()) Services.Desktop.ShellOpen(help);
    } else {
        ShowSettingsDialog();
    }
}

void TBrimalM::ShowSettingsDialog() {
    // The dialog frees itself when it closes; on OK it has written the new
    // values into Settings and the store.
    (new TSetform(this, Settings, *SettingsStore_, Services.Desktop))->exec();
    // Whether confirmed or cancelled: the board of the (new) size, emptied,
    // and a fresh kind for the next game.
    PostToEngine([](Engine& game) {
        game.ResetBoard();
        game.DrawFreshKind();
    });
}

void TBrimalM::WindowMenuCommand(int id) {
    if (Closed() || Game->InActivePlay() || id != CentreCommandId) return;
    if (isMinimized()) {
        showNormal();
        raise();
        activateWindow();
    }
    CentreOnDesktop();
}

void TBrimalM::CentreOnDesktop() {
    if (isMinimized()) showNormal();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
}

void TBrimalM::contextMenuEvent(QContextMenuEvent* event) {
    // The window-menu command of the task bar, which this desktop does not
    // let a program extend: a separator and the centring command.
    QMenu menu(this);
    AddWindowMenuCommands(menu, [this](int id) { WindowMenuCommand(id); });
    menu.exec(event->globalPos());
}

void TBrimalM::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    PostToEngine([](Engine& game) { game.FormPaint(); });
}

void TBrimalM::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) {
        PostToEngine([](Engine& game) { game.FormPaint(); });
    }
}
