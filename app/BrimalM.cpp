#include "app/BrimalM.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QScreen>

#include "app/OpenDialogs.h"
#include "app/input/InputRouter.h"
#include "app/platform/CentreCommand.h"
#include "app/platform/FrameMargins.h"
#include "app/platform/PadMappingsFile.h"
#include "app/play/GameSession.h"
#include "app/records/GameOverHandOff.h"
#include "app/records/ReplayMode.h"
#include "app/view/BoardWidgets.h"
#include "app/view/CounterPanel.h"
#include "app/view/GameStateWords.h"
#include "app/view/ViewAccessibility.h"
#include "components/Fonts.h"
#include "components/SdlSession.h"
#include "components/SoundPlayer.h"
#include "engine/BoardGeometry.h"
#include "engine/Engine.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"
#include "settings/PatternSetting.h"
#include "settings/SettingsIO.h"
#include "settings/SettingsStore.h"
#include "settings/SoundFileFallback.h"

namespace {

// The client size the window is designed at: the size of the default 8 x 25
// well. The stored position is applied to this size, before the stored well
// size is.
constexpr QSize DesignClientSize(BoardGeometry::ClientWidth(8), BoardGeometry::ClientHeight(25));

template <class Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(name);
    return control;
}

} // namespace

TBrimalM::TBrimalM(AppServices services, QWidget* parent)
    : QMainWindow(parent), Services(std::move(services)) {
    // Before any widget is made, so that each is read by its meaning.
    InstallViewAccessibility();
    InstallFontSubstitutes();
    setFont(ProportionalFont(15));
    CreateMenus();
    CreateControls();
    FormCreate();
}

TBrimalM::~TBrimalM() {
    FormClose();
    // The well and preview boxes show the board surface: they go before it.
    delete takeCentralWidget();
}

void TBrimalM::CreateControls() {
    Client = Named(new QWidget(this), "Client");
    Client->setAutoFillBackground(true);
    Client->setBackgroundRole(QPalette::Button);
    setCentralWidget(Client);
    Bevel1 = Named(new BevelBox(Client), "Bevel1");

    Panel1 = new CounterPanel(Client);

    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
}

void TBrimalM::FormCreate() {
    // The idle title, and the window-menu command that centres the window.
    setWindowTitle(Resources::Text(StringTable::IdleTitle));
    setWindowIcon(Resources::AppIcon());
    WindowMenu = WindowMenuAdditions::Install(this, [this](int id) { WindowMenuCommand(id); });

    // The store, the window position at the design size, the settings. With
    // no stored position the outer window, frame included, is centred on the
    // primary screen: its margins are asked for before the window is first
    // shown, so that it opens where it stays.
    Sdl = std::make_unique<SdlSession>(Services.Sdl, SdlStart::Later);
    SettingsStore_ = std::make_unique<SettingsStore>();
    Client->setFixedSize(DesignClientSize);
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const WindowPosition position = LoadSettings(
        *SettingsStore_, Settings, screen ? screen->geometry() : QRect(0, 0, 1024, 768),
        [this] { return size().grownBy(FrameMarginsBeforeShown(*this)); });
    move(position.Left, position.Top);

    // The sound files, then the game with its clips, images and engine; the
    // boxes that show the board; the player's keys and joystick 1.
    ApplySoundFileFallback(Settings);
    Game = std::make_unique<GameSession>(static_cast<BoardWindow&>(*this), this, Settings, *Sdl,
                                         Services.TimerSeam);
    if (!Services.Desktop.MessageBeep) {
        Services.Desktop.MessageBeep = [this](BeepKind kind) { Game->Sound().Beep(kind); };
    }
    GG = Named(new WellView(Game->Surface(), Client), "GG");
    GG->move(0, BoardGeometry::WellTop);
    GG->SetDescriber([this] {
        return GameStateInWords(ShownState, Panel1->Text(Counter::Score),
                                Panel1->Text(Counter::Kazu), Panel1->Text(Counter::Line4));
    });
    if (LoadPatternSetting(*SettingsStore_)) {
        MenuPatterns->setChecked(true);
        Game->SetCellStyle(Resources::CellStyle::Patterned);
    }
    NG = Named(new PreviewView(Game->Surface(), Client), "NG");
    NG->setGeometry(0, BoardGeometry::PreviewBoxTop, BoardGeometry::PreviewBoxSize,
                    BoardGeometry::PreviewBoxSize);
    Bevel1->lower();
    Input = std::make_unique<InputRouter>(
        *Game, Settings, *Sdl, PadMappingsFile(), [this] { showMinimized(); },
        [this] { PadStartClick(); });
    GameOver = std::make_unique<GameOverHandOff>(*this, Settings);
    Replay = std::make_unique<ReplayMode>(this, *Game, *GameOver);
    GG->AfterFirstPaint([this] { StartSdl(); });

    // A fresh first piece and the empty board, laid out before the first show.
    Game->RunOnEngine([](Engine& game) {
        game.DrawFreshKind();
        game.ResetBoard();
    });
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);

    // The application-wide handlers come last, once everything they reach
    // exists: a platform call above may already run the event loop.
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                state == Qt::ApplicationActive ? AppOnActivate() : AppOnDeactivate();
            });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { close(); });
}

// The first picture does not wait for SDL: only a game needs it, not the keys.
void TBrimalM::StartSdl() {
    if (Closed()) return;
    Sdl->Start();
    Game->Sound().Open(*Sdl);
    Input->OpenJoystick(*Sdl);
}

bool TBrimalM::Closed() const {
    return !Game || Game->Closed();
}

void TBrimalM::ApplyLayout(int width, int height) {
    if (Closed()) return;
    using namespace BoardGeometry;
    const QSize client(ClientWidth(width), ClientHeight(height));
    Client->setFixedSize(client);
    Bevel1->setGeometry(QRect(QPoint(0, 0), client));
    GG->setFixedSize(WellPixelWidth(width), WellPixelHeight(height));
    NG->move(PreviewBoxLeft(width), NG->y());
    Panel1->setGeometry(PanelLeft(width), PanelTop, PanelWidth, PanelHeight);
    // Keep the top-left corner where it is; the window has no free size.
    const QPoint topLeft = pos();
    setFixedSize(sizeHint());
    move(topLeft);
}

void TBrimalM::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TBrimalM::FormClose() {
    if (Closed()) return;
    DismissOpenDialogs(*this);
    // 1. The engine and the fall clock stop. 2. The window position; a
    // failure to write it is ignored. 3. The keys and the joystick. 4. The
    // store. The board surface stays until the window goes, as the well and
    // preview boxes paint from it.
    Game->Close();
    GameOver->Close();
    if (!Replay->StartedForReplay()) SaveWindowPosition(*SettingsStore_, WindowPosition{y(), x()});
    Input->Stop();
    SettingsStore_.reset();
}

void TBrimalM::RepaintWell() {
    if (!Closed()) GG->repaint();
}

void TBrimalM::RepaintPreview(int kind) {
    if (Closed()) return;
    NG->SetShownKind(kind);
    NG->repaint();
}

void TBrimalM::ShowCounter(Counter which, const QString& text) {
    if (!Closed()) Panel1->ShowCounter(which, text);
}

void TBrimalM::ShowCaption(GameState state, const QString& caption) {
    if (Closed()) return;
    GameOver->NoteState(state);
    setWindowTitle(caption);
    // A game started, paused, resumed or ended: a screen reader hears the
    // well's description change. The counters tell their own changes.
    if (state != ShownState) {
        ShownState = state;
        GG->TellDescriptionChanged();
    }
}

void TBrimalM::ShowGameOver(const QString& text) {
    // The game as the counters show it.
    if (!Closed())
        GameOver->Show(text, {Panel1->Count(Counter::Score), Panel1->Count(Counter::Kazu),
                              Panel1->Count(Counter::Line4), QDateTime::currentDateTime()});
}

void TBrimalM::MovePointerTo(int clientX, int clientY) {
    if (!Closed()) QCursor::setPos(Client->mapToGlobal(QPoint(clientX, clientY)));
}

// The window menu's command reaches the window itself on every path; the seam
// knows what it looks like on this platform.
bool TBrimalM::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (WindowMenu && WindowMenu->TakeNativeEvent(eventType, message, result)) return true;
    return QMainWindow::nativeEvent(eventType, message, result);
}
