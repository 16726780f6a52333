// Measures how long a key press takes from reaching the program to the moved
// piece being shown, over many presses of Left and Right in a game under way:
//   engine: until the engine has drawn the moved piece into the board surface
//           (the picture the well's box shows);
//   screen: until the well's box has last started to paint it.
// Prints the median, p99 and worst of each, in microseconds.
//
// Run, with a settings folder of its own:
//   export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME=$(mktemp -d)
//   XDG_DATA_HOME=$(mktemp -d) build/bench/input/input_key_latency [presses]
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/BrimalM.h"
#include "app/play/GameSession.h"
#include "app/view/BoardWidgets.h"
#include "engine/Engine.h"
#include "engine/KeyAction.h"
#include "resources/Resources.h"

using Clock = std::chrono::steady_clock;

namespace {

double Micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void Report(const char* name, std::vector<double> samples) {
    if (samples.empty()) return;
    std::sort(samples.begin(), samples.end());
    const auto at = [&](double q) {
        return samples[std::min(samples.size() - 1, static_cast<std::size_t>(q * samples.size()))];
    };
    std::printf("%-7s n=%zu  median %.0f us  p99 %.0f us  worst %.0f us\n", name, samples.size(),
                at(0.5), at(0.99), samples.back());
}

// Records when the well's box starts each paint.
class PaintWatch : public QObject {
public:
    std::vector<Clock::time_point> starts;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) starts.push_back(Clock::now());
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Kelvox");
    QCoreApplication::setApplicationName("Brimal");
    Resources::Init();
    const int presses = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;

    TBrimalM window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    window.GameGameClick();
    window.Session().RunOnEngine([](Engine&) {});

    const auto placeInTheMiddle = [&] {
        window.Session().RunOnEngine([](Engine& game) {
            game.PieceShape = 17;
            game.PieceX = 3;
            game.PieceY = 8;
            game.FormPaint();
            game.DoAction(kaDropFast);
        });
    };
    const auto pieceAt = [&] {
        std::pair<int, int> at;
        window.Session().RunOnEngine([&](Engine& game) { at = {game.PieceX, game.PieceY}; });
        return at;
    };

    std::vector<double> engine, screen;
    PaintWatch watch;
    window.findChild<WellView*>("GG")->installEventFilter(&watch);
    for (int i = 0; i < presses; ++i) {
        if (i % 50 == 0) placeInTheMiddle();
        const Qt::Key key = i % 2 ? Qt::Key_Right : Qt::Key_Left;
        const int step = i % 2 ? 1 : -1;

        // To the engine: the next operation posted runs after the move.
        auto before = pieceAt();
        auto start = Clock::now();
        QTest::keyClick(window.windowHandle(), key);
        Clock::time_point drawn;
        window.Session().RunOnEngine([&](Engine&) { drawn = Clock::now(); });
        auto after = pieceAt();
        if (after.first == before.first + step && after.second == before.second)
            engine.push_back(Micros(drawn - start));
        QTest::qWait(5);

        // To the screen: the event loop runs freely, as in the program; the
        // last paint after the press shows the moved piece.
        before = pieceAt();
        watch.starts.clear();
        start = Clock::now();
        QTest::keyClick(window.windowHandle(), key == Qt::Key_Left ? Qt::Key_Right : Qt::Key_Left);
        QEventLoop loop;
        QTimer::singleShot(20, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        after = pieceAt();
        // A tick or a landing in between spoils the sample.
        if (after.first == before.first - step && after.second == before.second &&
            !watch.starts.empty())
            screen.push_back(Micros(watch.starts.back() - start));
    }
    Report("engine", engine);
    Report("screen", screen);
    return 0;
}
