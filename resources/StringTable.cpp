#include "resources/StringTable.h"

#include "resources/Version.h"

#include <string>

// The mark by which lupdate finds the texts that the Qt side translates
// (Resources::Text); this file itself has no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace StringTable {

const char* LoadStr(int id) {
    switch (id) {
    case TimerSetEventFailed:
        return QT_TRANSLATE_NOOP(
            "StringTable",
            "timeSetEvent関数の戻り値が０です。タイマ・イベントＩＤを取得できません");
    case IntervalOutOfRange:
        return QT_TRANSLATE_NOOP(
            "StringTable", "Intervalの値がタイマ・デバイスの能力を超えています　（%d ～ %d）");
    case ResolutionOutOfRange:
        return QT_TRANSLATE_NOOP(
            "StringTable", "Resolutionの値がタイマ・デバイスの能力を超えています　（%d ～ %d）");
    case ResolutionAboveInterval:
        return QT_TRANSLATE_NOOP("StringTable",
                                 "Resolutionの値がIntervalの値を超えています　（%d）");
    case IdleTitle:
        return "Brimal  ";
    case AboutText: {
        // Only the last line is translated: the lines above name the program,
        // its version and its maker in every language.
        static const std::string about =
            std::string("            Brimal Ver " BRIMAL_VERSION_SHORT "\r\n"
                        "\r\n"
                        "      Programmed by Kelvox\r\n"
                        "\r\n") +
            QT_TRANSLATE_NOOP("StringTable", "  ご意見、ご感想をお聞かせください。");
        return about.c_str();
    }
    case GameOverText:
        return "   GameOver!";
    default:
        return "";
    }
}

} // namespace StringTable
