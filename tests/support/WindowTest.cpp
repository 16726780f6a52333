#include "support/WindowTest.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTest>
#include <map>

#include "app/view/BoardWidgets.h"
#include "engine/Engine.h"
#include "engine/KeyAction.h"
#include "resources/Resources.h"
#include "support/FindControl.h"
#include "support/PrivateUserFolders.h"

namespace {

// The test program's application, with the user's folders and its audio
// driver chosen before anything reads them: the user's own store and
// high-score table stay untouched, and a game's score meets an empty table.
class WindowTestEnvironment : public PrivateApplication {
public:
    WindowTestEnvironment() : PrivateApplication("brimal_window_tests") {}
    void SetUp() override {
        if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
        PrivateApplication::SetUp();
        Resources::Init();
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new WindowTestEnvironment);

} // namespace

QString WindowTest::StorePath() {
    return QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Kelvox/Brimal.conf");
}

void WindowTest::WriteStore(const QByteArray& text) {
    QDir().mkpath(QFileInfo(StorePath()).path());
    QFile file(StorePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

void WindowTest::WriteStore(const StoredSettings& stored) {
    std::map<QString, QString> sections;
    for (const auto& [key, value] : stored) {
        const qsizetype slash = key.indexOf('/');
        sections[key.left(slash)] += key.mid(slash + 1) + "=" + value + "\n";
    }
    QString text;
    for (const auto& [section, lines] : sections)
        text += "[" + section + "]\n" + lines + "\n";
    WriteStore(text.toUtf8());
}

QString WindowTest::StoredValue(const QString& key) {
    // A reader of its own: the window's store may still hold values in memory.
    QSettings stored(StorePath(), QSettings::IniFormat);
    return stored.value(key).toString();
}

void WindowTest::SetUp() {
    QFile::remove(StorePath());
    services.Desktop.MessageBeep = [this](BeepKind kind) { beeps.push_back(kind); };
    services.Desktop.ShellOpen = [this](QWidget* owner, const QString& path) {
        opened.push_back(path);
        openedFor.push_back(owner);
    };
}

void WindowTest::TearDown() {
    window.reset();
    QCoreApplication::processEvents();
    QFile::remove(StorePath());
    QDir(StorePath()).removeRecursively(); // a folder a test put in the file's place
}

void WindowTest::Open(const StoredSettings& stored) {
    if (!stored.empty()) WriteStore(stored);
    window = std::make_unique<TBrimalM>(services);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // SDL starts just after the first paint, as the program's does.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->SdlStarted(); }, 5000));
    Sync();
}

void WindowTest::WaitForEngine() {
    // Operations run in the order they were posted: this one runs after
    // whatever a key or command has posted.
    window->Session().RunOnEngine([](Engine&) {});
}

void WindowTest::Sync() {
    WaitForEngine();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

PieceState WindowTest::Piece() {
    PieceState piece;
    window->Session().RunOnEngine([&](Engine& game) {
        piece = {game.PieceX, game.PieceY, game.PieceShape, game.CounterText(Counter::Kazu),
                 game.NextShape};
    });
    return piece;
}

void WindowTest::StartGame() {
    window->GameGameClick();
    Sync();
    ASSERT_EQ(Title(), PlayingTitle);
    ASSERT_TRUE(window->Session().InActivePlay());
}

void WindowTest::PauseGame() {
    window->GamePauseClick();
    Sync();
    ASSERT_EQ(Title(), PausedTitle);
}

void WindowTest::DropUntilGameOver() {
    // Every piece enters at the same columns and none reaches the outer
    // columns, so no row is ever completed and the well fills up quickly.
    bool over = false;
    for (int i = 0; i < 500 && !over; ++i) {
        window->Session().RunOnEngine([&over](Engine& game) {
            if (game.IsPlaying()) game.DoAction(kaDropAll);
            over = game.IsIdle();
        });
    }
    ASSERT_TRUE(over);
}

void WindowTest::PlacePiece(int shape, int x, int y) {
    window->Session().RunOnEngine([=](Engine& game) {
        game.PieceShape = shape;
        game.PieceX = x;
        game.PieceY = y;
        game.FormPaint();
        game.DoAction(kaDropFast);
    });
}

void WindowTest::FillCells(const std::vector<std::pair<int, int>>& cells) {
    window->Session().RunOnEngine([&](Engine& game) {
        for (const auto& [x, y] : cells)
            game.TheWell.SetCell(x, y, 1);
        game.FormPaint();
    });
}

void WindowTest::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(window->windowHandle(), key, modifiers);
    WaitForEngine();
}

void WindowTest::PlayBrieflyAndClose() {
    StartGame();
    const PieceState entered = Piece();
    Press(Qt::Key_Left);
    EXPECT_EQ(Piece().X, entered.X - 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Piece().Y >= entered.Y + 2; }, 5000));
    window->GameStopClick();
    WaitForEngine();
    EXPECT_FALSE(window->Session().InActivePlay());
    // Closing waits for nothing the game does: ten seconds is a hang, however
    // busy the machine.
    QElapsedTimer closing;
    closing.start();
    window->close();
    window.reset();
    EXPECT_LT(closing.elapsed(), 10000);
}

QRgb WindowTest::ShownCell(int x, int y) const {
    const QPoint origin =
        Find<WellView>(*window, "GG")->mapTo(window.get(), QPoint(16 * x + 8, 16 * y + 8));
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
    return shown.pixel(origin);
}
