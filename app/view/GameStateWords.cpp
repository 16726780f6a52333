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
