#include "replay/ScoreCsv.h"

#include <QCoreApplication>
#include <QStringList>

#include "replay/ReplayFiles.h"
#include "replay/ReplayStatistics.h"

namespace {

QString Quoted(QString text) {
    // A leading = + - @ would start a formula when the file is opened.
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text[0]))
        text.prepend(QLatin1Char('\''));
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QByteArray ScoreTableCsv(const QList<HighScore>& rows, const QString& scoreFile) {
    // Only the header follows the language; the rows are the table's data.
    QStringList lines{QCoreApplication::translate(
        "ScoreCsv",
        "順位,名前,得点,総数,４段抜,日時,プレイ時間（秒）,ピース/分,段/分,キー/ピース")};
    for (int place = 0; place < rows.size(); ++place) {
        const HighScore& row = rows[place];
        QStringList fields{QString::number(place + 1),
                           Quoted(row.Name),
                           QString::number(row.Score),
                           QString::number(row.Pieces),
                           QString::number(row.FourRowClears),
                           row.When.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"))};
        const ReplayFiles::Loaded replay = ReplayFiles::Read(ReplayFiles::RowPath(scoreFile, row));
        if (replay.Game) {
            const GameStatistics stats = StatisticsOf(*replay.Game);
            fields << QString::number(stats.PlayedMilliseconds / 1000.0, 'f', 1)
                   << QString::number(stats.PiecesPerMinute, 'f', 1)
                   << QString::number(stats.RowsPerMinute, 'f', 1)
                   << QString::number(stats.KeysPerPiece, 'f', 2);
        } else {
            fields << QString() << QString() << QString() << QString();
        }
        lines << fields.join(QLatin1Char(','));
    }
    return QByteArray("\xEF\xBB\xBF") +
           (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}
