// Records games into a score file as fast as it can, for the test of two
// programs recording at once: RecordLoop FILE WRITER COUNT records COUNT
// games named "WRITER-i", game i in the well 6 + i % 8 columns wide.
// Exits with 1 when a game was not saved or did not enter.

#include "scores/HighScoreStore.h"
#include "scores/RuleSet.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    HighScoreStore store(QString::fromLocal8Bit(argv[1]));
    const QString writer = QString::fromLocal8Bit(argv[2]);
    const int count = std::atoi(argv[3]);
    for (int i = 0; i < count; ++i) {
        const QString rules = RuleSet{6 + i % 8, 25}.Key();
        const HighScoreStore::Recorded recorded =
            store.Record({rules, 100 + i, 1, 0, QDateTime::currentDateTime(),
                          writer + "-" + QString::number(i)});
        if (!recorded.Saved || recorded.Place < 0) {
            std::fprintf(stderr, "game %d of writer %s: saved %d, place %d\n", i, argv[2],
                         recorded.Saved, recorded.Place);
            return 1;
        }
    }
    return 0;
}
