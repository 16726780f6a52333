#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "scores/HighScoreTable.h"

// The rows of a high-score table with each game's statistics, as UTF-8 CSV
// with a byte-order mark (so that spreadsheet programs read the Japanese
// headings) and CRLF line ends. A row whose replay is missing or unreadable
// leaves its statistics empty. Names are quoted, and a name that a
// spreadsheet would take for a formula is kept as text.
QByteArray ScoreTableCsv(const QList<HighScore>& rows, const QString& scoreFile);
