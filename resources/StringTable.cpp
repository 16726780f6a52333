#include "resources/StringTable.h"

#include "resources/Version.h"

namespace StringTable {

const char* LoadStr(int id) {
    switch (id) {
    case TimerSetEventFailed:
        return "timeSetEvent関数の戻り値が０です。タイマ・イベントＩＤを取得できません";
    case IntervalOutOfRange:
        return "Intervalの値がタイマ・デバイスの能力を超えています　（%d ～ %d）";
    case ResolutionOutOfRange:
        return "Resolutionの値がタイマ・デバイスの能力を超えています　（%d ～ %d）";
    case ResolutionAboveInterval:
        return "Resolutionの値がIntervalの値を超えています　（%d）";
    case IdleTitle:
        return "Brimal  ";
    case AboutText:
        return "            Brimal Ver " BRIMAL_VERSION_SHORT "\r\n"
               "\r\n"
               "      Programmed by Kelvox\r\n"
               "\r\n"
               "  ご意見、ご感想をお聞かせください。";
    case GameOverText:
        return "   GameOver!";
    default:
        return "";
    }
}

} // namespace StringTable
