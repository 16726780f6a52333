#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "app/BoardWidgets.h"
#include "app/BrimalM.h"
#include "app/CentreCommand.h"
#include "app/EngineThread.h"
#include "app/FallClock.h"
#include "app/SettingsDialogLauncher.h"
#include "components/HelpFile.h"
#include "components/MessageBeep.h"
#include "components/PMsgDlg.h"
#include "components/ShellOpen.h"
#include "components/SoundPlayer.h"
#include "engine/Engine.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"

namespace {

QAction* AddItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    return action;
}

} // namespace

void TBrimalM::CreateMenus() {
    // All shortcuts are single keys without modifiers; items are never
    // disabled: each handler decides by the state what to do.
    MenuGame = menuBar()->addMenu("ゲーム(&G)");
    GameGame = AddItem(MenuGame, "開始(&G)", QKeySequence(Qt::Key_G));
    GameStop = AddItem(MenuGame, "中止(&S)", QKeySequence(Qt::Key_S));
    GamePause = AddItem(MenuGame, "一時停止(&P)", QKeySequence(Qt::Key_P));
    MenuGame->addSeparator();
    Exit1 = AddItem(MenuGame, "終了(&X)");

    MenuSet = menuBar()->addMenu("設定等(&S)");
    MemuSetup = AddItem(MenuSet, "設定(&S)...");
    MenuSet->addSeparator();
    MenuHelp = AddItem(MenuSet, "ヘルプ(&H)", QKeySequence(Qt::Key_F1));
    MenuAbout = AddItem(MenuSet, "バージョン情報(&A)...");

    connect(GameGame, &QAction::triggered, this, [this] { GameGameClick(); });
    connect(GameStop, &QAction::triggered, this, [this] { GameStopClick(); });
    connect(GamePause, &QAction::triggered, this, [this] { GamePauseClick(); });
    connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
    for (QAction* item : {MemuSetup, MenuHelp, MenuAbout}) {
        connect(item, &QAction::triggered, this, [this, item] { MemuSetupClick(item); });
    }
}

void TBrimalM::PostToEngine(std::function<void(Engine&)> operation) {
    if (Closed) return;
    Thread->Post([this, operation = std::move(operation)] { operation(*Game); });
}

void TBrimalM::RunOnEngine(const std::function<void(Engine&)>& operation) {
    if (Closed) return;
    Thread->PostAndWait([this, &operation] { operation(*Game); });
}

bool TBrimalM::Timer1Enabled() const {
    return !Closed && Timer1->Enabled();
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
    // The state is the engine's: ask it in turn with the other operations, so
    // that a Start still queued counts; then carry the command out here.
    PostToEngine([this, sender](Engine& game) {
        if (!game.IsIdle()) return; // ignored while playing or paused
        QMetaObject::invokeMethod(
            this, [this, sender] { CarryOutSetupCommand(sender); }, Qt::QueuedConnection);
    });
}

void TBrimalM::CarryOutSetupCommand(QAction* sender) {
    // A Start may have been queued after the engine said idle. Asked again
    // from here, the answer holds until the command is done: while its dialog
    // is up, the window takes no commands.
    bool idle = false;
    RunOnEngine([&idle](Engine& game) { idle = game.IsIdle(); });
    if (!idle) return;
    if (sender == MenuAbout) {
        ShowAbout();
    } else if (sender == MenuHelp) {
        if (const QString help = HelpFile(); !help.isEmpty()) ShellOpen(help);
    } else {
        ShowSettingsDialog();
    }
}

void TBrimalM::ShowAbout() {
    if (Settings.SoundOn) MessageBeep(MB_ICONASTERISK);
    CenteredMessageDlg(this, Resources::Text(StringTable::AboutText), mtCustom, mbOK, 0);
}

void TBrimalM::ShowSettingsDialog() {
    RunSettingsDialog(this, Settings, *SettingsStore_);
    // Whether confirmed or cancelled: the board of the (new) size, emptied,
    // and a fresh kind for the next game.
    if (Closed) return;
    RunOnEngine([](Engine& game) {
        game.ResetBoard();
        game.DrawFreshKind();
    });
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

void TBrimalM::RepaintWell() {
    if (!Closed) GG->repaint();
}

void TBrimalM::RepaintPreview() {
    if (!Closed) NG->repaint();
}

void TBrimalM::ShowCounter(Counter which, const QString& text) {
    if (Closed) return;
    QLineEdit* box = which == Counter::Score ? Score : which == Counter::Kazu ? Kazu : Line4;
    box->setText(text);
    // A number longer than the box shows its leading digits, not its last.
    box->setCursorPosition(0);
    box->repaint();
}

void TBrimalM::ShowCaption(const QString& caption) {
    if (!Closed) setWindowTitle(caption);
}

void TBrimalM::ShowGameOver(const QString& text) {
    if (!Closed) CenteredMessageDlg(this, text, mtCustom, mbOK, 0);
}

void TBrimalM::MovePointerTo(int clientX, int clientY) {
    if (!Closed) QCursor::setPos(Client->mapToGlobal(QPoint(clientX, clientY)));
}
