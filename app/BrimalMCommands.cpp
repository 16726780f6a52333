#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/BrimalM.h"
#include "app/platform/CentreCommand.h"
#include "app/play/GameSession.h"
#include "app/records/ReplayMode.h"
#include "components/PMsgDlg.h"
#include "engine/Engine.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"
#include "scores/HighScoreDialog.h"
#include "settings/LanguageStore.h"
#include "settings/PatternSetting.h"
#include "settings/SettingsDialog.h"

namespace {

QAction* AddItem(TranslatedTexts& texts, QMenu* menu, const char* name, const char* caption,
                 const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    action->setShortcut(shortcut);
    texts.Bind(caption, [action](const QString& shown) { action->setText(shown); });
    return action;
}

QMenu* AddMenu(TranslatedTexts& texts, QMenu* menu, const char* name, const char* caption) {
    QMenu* added = menu->addMenu(QString());
    added->setObjectName(name);
    texts.Bind(caption, [added](const QString& shown) { added->setTitle(shown); });
    return added;
}

} // namespace

void TBrimalM::CreateMenus() {
    // All shortcuts are single keys without modifiers; items are never
    // disabled: each handler decides by the state what to do.
    MenuGame = menuBar()->addMenu(QString());
    MenuGame->setObjectName("MenuGame");
    Texts.Bind(QT_TR_NOOP("ゲーム(&G)"),
               [this](const QString& shown) { MenuGame->setTitle(shown); });
    GameGame =
        AddItem(Texts, MenuGame, "GameGame", QT_TR_NOOP("開始(&G)"), QKeySequence(Qt::Key_G));
    GameStop =
        AddItem(Texts, MenuGame, "GameStop", QT_TR_NOOP("中止(&S)"), QKeySequence(Qt::Key_S));
    GamePause =
        AddItem(Texts, MenuGame, "GamePause", QT_TR_NOOP("一時停止(&P)"), QKeySequence(Qt::Key_P));
    MenuGame->addSeparator()->setObjectName("N2");
    Exit1 = AddItem(Texts, MenuGame, "Exit1", QT_TR_NOOP("終了(&X)"));

    MenuSet = menuBar()->addMenu(QString());
    MenuSet->setObjectName("MenuSet");
    Texts.Bind(QT_TR_NOOP("設定等(&S)"),
               [this](const QString& shown) { MenuSet->setTitle(shown); });
    MemuSetup = AddItem(Texts, MenuSet, "MemuSetup", QT_TR_NOOP("設定(&S)..."));
    MenuHighScore = AddItem(Texts, MenuSet, "MenuHighScore", QT_TR_NOOP("ハイスコア(&R)..."));
    MenuPatterns = AddItem(Texts, MenuSet, "MenuPatterns", QT_TR_NOOP("模様付きブロック(&B)"));
    MenuPatterns->setCheckable(true);
    MenuSet->addSeparator()->setObjectName("N1");
    MenuHelp =
        AddItem(Texts, MenuSet, "MenuHelp", QT_TR_NOOP("ヘルプ(&H)"), QKeySequence(Qt::Key_F1));
    MenuAbout = AddItem(Texts, MenuSet, "MenuAbout", QT_TR_NOOP("バージョン情報(&A)..."));
    CreateLanguageMenu();

    connect(GameGame, &QAction::triggered, this, [this] { GameGameClick(); });
    connect(GameStop, &QAction::triggered, this, [this] { GameStopClick(); });
    connect(GamePause, &QAction::triggered, this, [this] { GamePauseClick(); });
    connect(Exit1, &QAction::triggered, this, [this] { Exit1Click(); });
    connect(MenuPatterns, &QAction::triggered, this,
            [this](bool patterned) { MenuPatternsClick(patterned); });
    for (QAction* item : {MemuSetup, MenuHighScore, MenuHelp, MenuAbout}) {
        connect(item, &QAction::triggered, this, [this, item] { MemuSetupClick(item); });
    }
}

void TBrimalM::CreateLanguageMenu() {
    // Each language is named in its own script, so that a player who reads
    // neither finds theirs; the item that holds them names both.
    MenuLanguage = AddMenu(Texts, MenuSet, "MenuLanguage", QT_TR_NOOP("言語 (Language)(&L)"));
    auto* choices = new QActionGroup(MenuLanguage);
    const std::pair<const char*, Language> languages[] = {
        {"日本語(&J)", Language::Japanese},
        {"English(&E)", Language::English},
    };
    for (const auto& [caption, language] : languages) {
        QAction* item = MenuLanguage->addAction(QString::fromUtf8(caption));
        item->setObjectName(language == Language::English ? "LanguageEnglish" : "LanguageJapanese");
        item->setCheckable(true);
        item->setChecked(CurrentLanguage() == language);
        choices->addAction(item);
        connect(item, &QAction::triggered, this, [this, language] { ChooseLanguage(language); });
    }
}

void TBrimalM::ChooseLanguage(Language language) {
    // At once, whatever the game is doing: only texts change. Every window
    // gets the change of language from Qt and shows its texts again.
    if (!UseLanguage(language)) {
        findChild<QAction*>("LanguageJapanese")
            ->setChecked(CurrentLanguage() == Language::Japanese);
        findChild<QAction*>("LanguageEnglish")->setChecked(CurrentLanguage() == Language::English);
        return;
    }
    SaveLanguage(*SettingsStore_, language);
}

void TBrimalM::PostToEngine(std::function<void(Engine&)> operation) {
    if (Game) Game->Post(std::move(operation));
}

void TBrimalM::GameGameClick() {
    if (Replay->Active()) return;
    if (Game) Game->PostCommand([](Engine& game) { game.GameGameClick(); });
}

void TBrimalM::GameStopClick() {
    if (Replay->Active()) return Replay->Stop();
    if (Game) Game->PostCommand([](Engine& game) { game.GameStopClick(); });
}

void TBrimalM::GamePauseClick() {
    if (Replay->Active()) return Replay->TogglePause();
    if (Game) Game->PostCommand([](Engine& game) { game.GamePauseClick(); });
}

void TBrimalM::PadStartClick() {
    // An open menu keeps the pad's Start from the game as it keeps the keys.
    if (!isActiveWindow() || QApplication::activePopupWidget()) return;
    if (windowTitle() == Resources::Text(StringTable::IdleTitle)) {
        GameGameClick();
    } else {
        GamePauseClick();
    }
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
    if (Replay->Active()) return;
    // The state is the engine's: the command takes its turn behind the
    // commands given before it and is carried out here if no game is on then.
    // The help opens no dialog of its own; the others show a modal one.
    const auto kind = sender == MenuHelp ? GameSession::SetupKind::WhileIdle
                                         : GameSession::SetupKind::DialogWhileIdle;
    if (Game) Game->RunSetupCommand(kind, [this, sender] { CarryOutSetupCommand(sender); });
}

void TBrimalM::MenuPatternsClick(bool patterned) {
    // A matter of looks alone: it takes effect at once, in a game too, and is
    // kept under a key of its own, which the settings dialog does not touch.
    if (SettingsStore_) SavePatternSetting(*SettingsStore_, patterned);
    if (!Game || Closed()) return;
    Game->SetCellStyle(patterned ? Resources::CellStyle::Patterned : Resources::CellStyle::Plain);
    Replay->Repaint();
}

void TBrimalM::CarryOutSetupCommand(QAction* sender) {
    if (sender == MenuAbout) {
        if (Settings.SoundOn) Services.Desktop.MessageBeep(BeepKind::Information);
        CenteredMessageDlg(this, Resources::Text(StringTable::AboutText), mtCustom, mbOK, 0);
    } else if (sender == MenuHighScore) {
        Replay->ShowHighScores(Settings);
    } else if (sender == MenuHelp) {
        const QString help = Services.Desktop.HelpFilePath();
        if (!help.isEmpty()) Services.Desktop.ShellOpen(this, help);
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
    if (Closed() || id != CentreCommandId) return;
    Game->RunSetupCommand(GameSession::SetupKind::OutOfActivePlay,
                          [this] { RestoreAndCentre(*this); });
}

void TBrimalM::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Replay->Repaint();
    // SDL starts after the first paint, or a second after showing if none comes.
    QTimer::singleShot(1000, this, [this] { StartSdl(); });
}

void TBrimalM::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        Texts.Retranslate();
        if (WindowMenu) WindowMenu->Retranslate();
    }
    if (event->type() == QEvent::WindowStateChange && !isMinimized()) Replay->Repaint();
}
