#include "app/BrimalM.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

#include "app/BoardSurface.h"
#include "app/BoardWidgets.h"
#include "app/CentreCommand.h"
#include "app/EngineThread.h"
#include "app/FallClock.h"
#include "components/Fonts.h"
#include "components/Joystick.h"
#include "components/KePanel.h"
#include "components/MessageBeep.h"
#include "components/SdlSession.h"
#include "components/SoundPlayer.h"
#include "engine/Engine.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"
#include "settings/SettingsIO.h"
#include "settings/SettingsStore.h"
#include "settings/SoundFileFallback.h"

TBrimalM* BrimalM = nullptr;

namespace {

// The client size the window is designed at: the size of the default 8 x 25
// well. The stored position is applied to this size, before the stored well
// size is.
constexpr QSize DesignClientSize(221, 404);

QLineEdit* MakeCounter(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* edit = new QLineEdit(text, parent);
    edit->setGeometry(geometry);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAttribute(Qt::WA_TransparentForMouseEvents);
    edit->setFont(FixedPitchFont(15, true));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, Qt::black);
    edit->setPalette(palette);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

} // namespace

TBrimalM::TBrimalM(QWidget* parent) : QMainWindow(parent) {
    BrimalM = this;
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
    if (BrimalM == this) BrimalM = nullptr;
}

void TBrimalM::CreateControls() {
    Client = new QWidget(this);
    Client->setAutoFillBackground(true);
    Client->setBackgroundRole(QPalette::Button);
    setCentralWidget(Client);

    Bevel1 = new BevelBox(Client);

    Panel1 = new TKePanel(Client);
    Panel1->setFont(FixedPitchFont(17));
    // The counters neither take the focus nor accept input; the panel stays
    // enabled so that their text is drawn black, not greyed.
    Panel1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label2 = MakeLabel(Panel1, "得点", QRect(18, 8, 34, 17));
    Score = MakeCounter(Panel1, "00000", QRect(12, 32, 51, 23));
    Label3 = MakeLabel(Panel1, "総数", QRect(18, 72, 34, 17));
    Kazu = MakeCounter(Panel1, "00000", QRect(12, 96, 51, 23));
    Label1 = MakeLabel(Panel1, "４段抜", QRect(12, 136, 51, 17));
    Line4 = MakeCounter(Panel1, "00", QRect(24, 160, 24, 23));

    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
}

void TBrimalM::FormCreate() {
    // 1. The application-wide handlers.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive) {
                    AppOnActivate();
                } else {
                    AppOnDeactivate();
                }
            });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { close(); });

    // 2. The idle title.
    IdleTitle = Resources::Text(StringTable::IdleTitle);
    setWindowTitle(IdleTitle);
    setWindowIcon(Resources::AppIcon());

    // 3. The window-menu command that centres the window: this desktop gives
    // no way into the task bar's window menu, so it lives in the window's
    // context menu (contextMenuEvent) and, where there is a system tray, in
    // the menu of the program's tray icon.
    TrayIcon = CentreTrayIcon::CreateIfAvailable(this, [this](int id) { WindowMenuCommand(id); });

    // 4. Joystick 1, polled every 15 ms, reporting to the input hook.
    Sdl = std::make_unique<SdlSession>();
    Joy =
        std::make_unique<Joystick>(*Sdl, [this](const JoystickReport& r) { OnJoystickReport(r); });

    // 5 to 7. The store, the window position at the design size, the settings.
    SettingsStore_ = std::make_unique<SettingsStore>();
    Client->setFixedSize(DesignClientSize);
    adjustSize();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const WindowPosition position =
        LoadSettings(*SettingsStore_, Settings,
                     screen ? screen->geometry().size() : QSize(1024, 768), frameGeometry().size());
    move(position.Left, position.Top);

    // The engine, its thread and the fall clock. Ticks come on the timer's
    // thread and are queued for the engine thread.
    Thread = std::make_unique<EngineThread>();
    Timer1 = std::make_unique<FallClock>([this](std::uint64_t arming) {
        Thread->Post([this, arming] {
            if (Timer1->IsCurrent(arming)) Game->Timer1Timer();
        });
    });

    // 9 to 11. The sound files, the clips, the preview bitmap and the cell
    // images (the first choice of a kind, step 8, needs the engine, so it
    // runs with the board's reset below, before it).
    ApplySoundFileFallback(Settings);
    std::array<QByteArray, 4> clips;
    for (int slot = 1; slot <= 3; ++slot)
        clips[slot] = Resources::SoundClip(slot);
    Sound = std::make_unique<SoundPlayer>(*Sdl);
    SetMessageBeeper([this](unsigned type) {
        if (Sound) Sound->Beep(static_cast<MessageSound>(type));
    });
    std::array<QImage, 8> cellImages;
    for (int code = 0; code <= 7; ++code)
        cellImages[code] = Resources::CellImage(code);
    Surface = std::make_unique<BoardSurface>(std::move(cellImages));

    GG = new WellView(*Surface, Client);
    GG->move(0, 2);
    NG = new PreviewView(*Surface, Client);
    NG->setGeometry(0, 14, 48, 48);
    Bevel1->lower();

    Host = std::make_unique<WindowHost>(this, static_cast<BoardWindow&>(*this), *Surface, *Timer1,
                                        *Thread, Sound.get(), std::move(clips));
    Game = std::make_unique<Engine>(*Host, Settings,
                                    EngineTexts{StringTable::LoadStr(StringTable::IdleTitle),
                                                StringTable::LoadStr(StringTable::GameOverText)});
    Host->SetPlayingTitle(Game->PlayingTitle());

    // 8 and 12: a fresh kind for the first piece, then the empty board of the
    // stored size. The layout is applied before the window is first shown.
    RunOnEngine([](Engine& game) {
        game.DrawFreshKind();
        game.ResetBoard();
    });
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void TBrimalM::ApplyLayout(int width, int height) {
    if (Closed) return;
    const QSize client(16 * width + 93, 16 * height + 4);
    Client->setFixedSize(client);
    Bevel1->setGeometry(QRect(QPoint(0, 0), client));
    GG->setFixedSize(16 * width, 16 * height);
    NG->move(16 * width + 22, NG->y());
    Panel1->setGeometry(16 * width + 10, 78, 73, 195);
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
    if (Closed) return;
    Closed = true;
    // A message or the settings dialog still up would keep the program
    // running after its window has closed (a close by signal or at the end of
    // the session may come while one is up): it goes, as if cancelled.
    for (QDialog* dialog : findChildren<QDialog*>()) {
        if (dialog->isVisible()) dialog->reject();
    }
    // So would an open menu.
    for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i) {
        QApplication::activePopupWidget()->close();
    }
    // 1. Stop the engine and the fall clock. A sound the engine waits for is
    // cut short first; the step under way then ends with its waits cut
    // short, and nothing queued runs.
    if (Sound) Sound->Close();
    if (Thread) Thread->Stop();
    if (Timer1) Timer1->SetEnabled(false);
    qApp->removeEventFilter(this);
    SetMessageBeeper({});
    // 2. The window position; a failure to write it is ignored.
    if (SettingsStore_) SaveWindowPosition(*SettingsStore_, WindowPosition{y(), x()});
    // 3. The joystick.
    if (Joy) Joy->Release();
    // 4. The store; the clips went with the sound above. The engine, its
    // host, the clock and the thread go too. The board surface stays until
    // the window is destroyed, as the well and preview boxes paint from it.
    SettingsStore_.reset();
    Game.reset();
    Host.reset();
    Timer1.reset();
    Thread.reset();
}
