#include "WindowFixture.h"
#include "support/FindControl.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>

#include "app/BoardWidgets.h"
#include "engine/Engine.h"
#include "engine/KeyAction.h"

namespace {

// The test program's application and its configuration folder. The folder is
// looked up once per process, so it is set before anything reads it.
class WindowTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        config_ = std::make_unique<QTemporaryDir>();
        runtime_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_->path()));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_->path()));
        QFile::setPermissions(runtime_->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("SDL_AUDIODRIVER", "dummy");
        static int argc = 1;
        static char name[] = "app_window_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override {
        app_.reset();
        runtime_.reset();
        config_.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<QTemporaryDir> runtime_;
    std::unique_ptr<QApplication> app_;
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new WindowTestEnvironment);

} // namespace

DialogCatcher::DialogCatcher(std::function<void(QDialog&)> onDialog)
    : onDialog_(std::move(onDialog)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start(5);
}

void DialogCatcher::Poll() {
    if (busy_) return;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    busy_ = true;
    ++count_;
    if (onDialog_) onDialog_(*dialog);
    if (dialog->isVisible()) dialog->reject();
    busy_ = false;
}

void WindowTest::SetUp() {
    QFile::remove(StorePath());
}

void WindowTest::TearDown() {
    window.reset();
    QCoreApplication::processEvents();
    QFile::remove(StorePath());
}

QString WindowTest::StorePath() {
    return QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Kelvox/Brimal.conf");
}

void WindowTest::WriteStore(const QByteArray& text) {
    QDir().mkpath(QFileInfo(StorePath()).path());
    QFile file(StorePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

QString WindowTest::StoredValue(const QString& key) {
    // A reader of its own: the window's store may still hold values in memory.
    QSettings stored(StorePath(), QSettings::IniFormat);
    return stored.value(key).toString();
}

void WindowTest::Open() {
    AppServices services;
    services.Desktop.MessageBeep = [this](BeepKind kind) { beeps.push_back(kind); };
    services.Desktop.ShellOpen = [this](const QString& path) { opened.push_back(path); };
    window = std::make_unique<TBrimalM>(services);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Sync();
}

void WindowTest::Sync() {
    window->Session().RunOnEngine([](Engine&) {});
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

int WindowTest::PieceRow() {
    return Read<int>([](Engine& game) { return game.PieceY; });
}

void WindowTest::StartGame() {
    window->GameGameClick();
    Sync();
    ASSERT_EQ(Title(), PlayingTitle);
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

QRgb WindowTest::ShownCell(int x, int y) const {
    const QPoint origin =
        Find<WellView>(*window, "GG")->mapTo(window.get(), QPoint(16 * x + 8, 16 * y + 8));
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
    return shown.pixel(origin);
}
