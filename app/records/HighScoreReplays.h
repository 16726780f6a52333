#pragma once

#include <QString>
#include <functional>

#include "engine/GameSettings.h"

class HighScoreStore;
class QWidget;

// The menu's high-score table of the current rules, with the replays of its
// rows: below the table the statistics of the selected row's game (time
// played without pauses, pieces and rows per minute, keys per piece) and the
// buttons "リプレイ(&P)" (the selected row's game), "前回のゲーム(&L)" (the last
// finished game; a message names the file when there is none yet) and
// "CSVで保存(&C)..." (the table with the statistics). A replay chosen closes
// the table, and `play` receives its file.
void ShowHighScoresWithReplays(QWidget* owner, const TGameSettings& settings, HighScoreStore& store,
                               const QString& lastGameFile,
                               const std::function<void(const QString& file)>& play);
