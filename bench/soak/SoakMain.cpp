// The soak: the real main window played for a given time. See SoakRun.h, and
// brimal_soak.sh, which gives it an X server of its own.
//
// Usage: brimal_soak [--seconds N] [--sample-seconds N] [--warm-up N]
//                    [--no-player] [--slips P] [--seed N] [--pieces N]
//                    [--seeded-pieces]
//
// --pieces ends the run once that many pieces have landed (--seconds is then
// a limit); --seeded-pieces draws the pieces from a sequence seeded by --seed,
// so that runs of the same seed play the same game.

#include <QApplication>
#include <QTest>
#include <cstdio>

#include "app/BrimalM.h"
#include "app/play/GameSession.h"
#include "bench/soak/SoakRun.h"
#include "components/PMsgDlg.h"
#include "components/QtJapanese.h"
#include "resources/Resources.h"

namespace {

// The fastest period the game reaches.
constexpr int FastestPeriodMs = 10;

bool ParseOptions(const QStringList& arguments, SoakOptions& options) {
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& name = arguments[i];
        if (name == "--no-player") {
            options.Player = false;
            continue;
        }
        if (name == "--seeded-pieces") {
            options.SeededPieces = true;
            continue;
        }
        if (i + 1 >= arguments.size()) return false;
        bool ok = false;
        const QString& value = arguments[++i];
        if (name == "--seconds") {
            options.Seconds = value.toInt(&ok);
            ok = ok && options.Seconds > 0;
        } else if (name == "--sample-seconds") {
            options.SampleSeconds = value.toInt(&ok);
            ok = ok && options.SampleSeconds > 0;
        } else if (name == "--warm-up") {
            options.WarmUpSeconds = value.toInt(&ok);
            ok = ok && options.WarmUpSeconds >= 0;
        } else if (name == "--slips") {
            options.Slips = value.toDouble(&ok);
            ok = ok && options.Slips >= 0 && options.Slips <= 1;
        } else if (name == "--seed") {
            options.Seed = value.toUInt(&ok);
        } else if (name == "--pieces") {
            options.Pieces = value.toLongLong(&ok);
            ok = ok && options.Pieces > 0;
        }
        if (!ok) return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // As the program itself: its store, its messages' title, Qt's Japanese texts.
    QCoreApplication::setOrganizationName("Kelvox");
    QCoreApplication::setApplicationName("Brimal");
    SetApplicationTitle("Brimal");
    InstallQtJapanese();
    Resources::Init();

    SoakOptions options;
    if (!ParseOptions(QCoreApplication::arguments(), options)) {
        std::fprintf(stderr, "usage: brimal_soak [--seconds N] [--sample-seconds N] "
                             "[--warm-up N] [--no-player] [--slips P] [--seed N] "
                             "[--pieces N] [--seeded-pieces]\n");
        return 2;
    }

    TBrimalM window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "brimal_soak: the window never showed\n");
        return 1;
    }
    window.Session().HoldFallPeriod(FastestPeriodMs);
    SoakRun run(window, options);
    run.Start();
    return app.exec();
}
