#include "app/view/GameStateWords.h"

#include <QCoreApplication>

QString GameStateInWords(GameState state, const QString& score, const QString& kazu,
                         const QString& line4) {
    QString words;
    switch (state) {
    case GameState::Idle:
        words = QCoreApplication::translate("GameStateWords", "待機中");
        break;
    case GameState::Playing:
        words = QCoreApplication::translate("GameStateWords", "プレイ中");
        break;
    case GameState::Paused:
        words = QCoreApplication::translate("GameStateWords", "一時停止中");
        break;
    }
    return QCoreApplication::translate("GameStateWords", "%1、得点 %2、総数 %3、４段抜 %4")
        .arg(words, score, kazu, line4);
}

QString PieceKindInWords(int kind) {
    // The kinds in the catalogue's order: the square, the bar, the two
    // skewed pieces, the two hooks and the T.
    static const char* const letters[] = {"O", "I", "S", "Z", "J", "L", "T"};
    if (kind < 1 || kind > 7) return {};
    return QCoreApplication::translate("GameStateWords", "%1型")
        .arg(QLatin1String(letters[kind - 1]));
}
