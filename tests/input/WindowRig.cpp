#include "input/WindowRig.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <cstdlib>
#include <map>

#include "engine/Engine.h"
#include "engine/KeyAction.h"
#include "resources/Resources.h"

namespace {

QTemporaryDir& ConfigFolder() {
    static QTemporaryDir folder;
    return folder;
}

// One QApplication for the whole test program. The settings store's folder and
// the audio driver are chosen first: both are read once per process.
class InputTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("XDG_CONFIG_HOME", ConfigFolder().path().toLocal8Bit().constData(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        static int argc = 1;
        static char name[] = "input_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        Resources::Init();
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new InputTestEnvironment);

void WriteStore(const StoredSettings& stored) {
    std::map<QString, QString> sections;
    for (const auto& [key, value] : stored) {
        const qsizetype slash = key.indexOf('/');
        sections[key.left(slash)] += key.mid(slash + 1) + "=" + value + "\n";
    }
    QString text;
    for (const auto& [section, lines] : sections)
        text += "[" + section + "]\n" + lines + "\n";
    QDir().mkpath(QFileInfo(StorePath()).path());
    QFile file(StorePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

} // namespace

QString StorePath() {
    return ConfigFolder().filePath("Kelvox/Brimal.conf");
}

void WindowTest::TearDown() {
    window.reset();
    QFile::remove(StorePath());
    QDir(StorePath()).removeRecursively(); // a folder a test put in the file's place
}

void WindowTest::OpenWindow(const StoredSettings& stored, AppServices services) {
    QFile::remove(StorePath());
    if (!stored.empty()) WriteStore(stored);
    window = std::make_unique<TBrimalM>(std::move(services));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
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
    QElapsedTimer closing;
    closing.start();
    window->close();
    window.reset();
    EXPECT_LT(closing.elapsed(), 2000);
}

void WindowTest::StartGame() {
    window->GameGameClick();
    WaitForEngine();
    ASSERT_TRUE(window->Session().InActivePlay());
}

PieceState WindowTest::Piece() {
    PieceState piece;
    window->Session().RunOnEngine([&](Engine& game) {
        piece = {game.PieceX, game.PieceY, game.PieceShape, game.CounterText(Counter::Kazu),
                 game.NextShape};
    });
    return piece;
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

void WindowTest::WaitForEngine() {
    // Operations run in the order they were posted: this one runs after
    // whatever the key or command has posted.
    window->Session().RunOnEngine([](Engine&) {});
}

struct ModalCloser::Timer {
    QTimer timer;
};

ModalCloser::ModalCloser() : timer_(std::make_unique<Timer>()) {
    timer_->timer.setInterval(10);
    QObject::connect(&timer_->timer, &QTimer::timeout, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            ++closed_;
        }
    });
    timer_->timer.start();
}

ModalCloser::~ModalCloser() = default;

int WaveLengthMs(const QByteArray& wave) {
    // The byte rate stands at offset 28 of the format block; the data chunk
    // follows it.
    const auto* bytes = reinterpret_cast<const uchar*>(wave.constData());
    const quint32 byteRate = qFromLittleEndian<quint32>(bytes + 28);
    const qsizetype data = wave.indexOf("data");
    if (byteRate == 0 || data < 0) return 0;
    const quint32 size = qFromLittleEndian<quint32>(bytes + data + 4);
    return static_cast<int>(static_cast<quint64>(size) * 1000 / byteRate);
}

QString WriteScratchFile(const QString& name, const QByteArray& content) {
    static QTemporaryDir scratch;
    QFile file(scratch.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(content);
    return file.fileName();
}
