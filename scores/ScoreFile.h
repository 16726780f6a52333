#pragma once

#include <QByteArray>
#include <optional>

#include "scores/HighScoreTable.h"

// The score file's text: UTF-8, a first line that marks it, then one game a
// line with six fields apart by tabs (rules, score, pieces, four-row clears,
// the date and time with its offset from UTC, name):
//
//   # Brimal high scores, format 1
//   8x25 next:on fall:off ratio:off	1234	120	3	2026-12-10T14:03:22.120+09:00	Kei
//
// Further lines starting with '#' and empty lines are skipped, a CR before a
// line's end is allowed. Names hold no tab or line break (CleanName).
QByteArray FormatScoreFile(const HighScoreTable& table);

// The table in a score file's text; nothing when the text is not a score file
// or any line of it is damaged, so that no half-read table is ever written
// back over the file.
std::optional<HighScoreTable> ParseScoreFile(const QByteArray& text);
