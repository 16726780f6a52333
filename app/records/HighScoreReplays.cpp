#include "app/records/HighScoreReplays.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include "components/PMsgDlg.h"
#include "replay/ReplayFiles.h"
#include "replay/ReplayStatistics.h"
#include "replay/ScoreCsv.h"
#include "scores/HighScoreDialog.h"

namespace {

QString StatisticsText(const QString& replayFile) {
    const ReplayFiles::Loaded replay = ReplayFiles::Read(replayFile);
    if (!replay.Game)
        return QCoreApplication::translate("HighScoreReplays", "この行のリプレイはありません。");
    const GameStatistics stats = StatisticsOf(*replay.Game);
    const qint64 seconds = stats.PlayedMilliseconds / 1000;
    return QCoreApplication::translate("HighScoreReplays",
                                       "プレイ時間 %1:%2　ピース/分 %3　段/分 %4　キー/ピース %5")
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(stats.PiecesPerMinute, 0, 'f', 1)
        .arg(stats.RowsPerMinute, 0, 'f', 1)
        .arg(stats.KeysPerPiece, 0, 'f', 2);
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void SaveCsv(QDialog* dialog, const QList<HighScore>& rows, const QString& scoreFile) {
    const QString start = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                          QStringLiteral("/Brimal-highscores.csv");
    const QString path = QFileDialog::getSaveFileName(
        dialog, QCoreApplication::translate("HighScoreReplays", "CSVで保存"), start,
        QStringLiteral("CSV (*.csv)"));
    if (path.isEmpty()) return;
    const QByteArray csv = ScoreTableCsv(rows, scoreFile);
    QSaveFile file(path);
    if (!(file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() && file.commit())) {
        CenteredMessageDlg(dialog,
                           QCoreApplication::translate("HighScoreReplays",
                                                       "CSVファイルを保存できませんでした。\n") +
                               QDir::toNativeSeparators(path),
                           mtWarning, mbOK, 0);
    }
}

} // namespace

void ShowHighScoresWithReplays(QWidget* owner, const TGameSettings& settings, HighScoreStore& store,
                               const QString& lastGameFile,
                               const std::function<void(const QString& file)>& play) {
    const RuleSet rules = RuleSet::Of(settings);
    const QList<HighScore> rows = store.Load().Rows(rules.Key());
    HighScoreDialog dialog(owner, rules);
    dialog.ShowTable(rows, -1);

    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("Table"));
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* panel = new QWidget(&dialog);
    auto* statistics = new QLabel(panel);
    statistics->setObjectName(QStringLiteral("Statistics"));
    QPushButton* replay =
        Button(QCoreApplication::translate("HighScoreReplays", "リプレイ(&P)"), "Replay", panel);
    QPushButton* last = Button(QCoreApplication::translate("HighScoreReplays", "前回のゲーム(&L)"),
                               "LastGame", panel);
    QPushButton* csv = Button(QCoreApplication::translate("HighScoreReplays", "CSVで保存(&C)..."),
                              "SaveCsv", panel);
    csv->setEnabled(!rows.isEmpty());
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(replay);
    buttons->addWidget(last);
    buttons->addWidget(csv);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(statistics);
    layout->addLayout(buttons);
    // Below the table, above the OK button.
    auto* dialogLayout = static_cast<QVBoxLayout*>(dialog.layout());
    dialogLayout->insertWidget(
        dialogLayout->indexOf(dialog.findChild<QPushButton*>(QStringLiteral("OK"))), panel);

    QString chosen;
    auto selectedFile = [&]() -> QString {
        const int r = table->currentRow();
        return r >= 0 && r < rows.size() ? ReplayFiles::RowPath(store.FilePath(), rows[r])
                                         : QString();
    };
    auto showSelected = [&] {
        const QString file = selectedFile();
        statistics->setText(
            file.isEmpty() ? QCoreApplication::translate("HighScoreReplays",
                                                         "行を選ぶと、そのゲームの統計を示します。")
                           : StatisticsText(file));
        replay->setEnabled(!file.isEmpty() && QFileInfo::exists(file));
    };
    QObject::connect(table, &QTableWidget::currentCellChanged, &dialog, showSelected);
    QObject::connect(replay, &QPushButton::clicked, &dialog, [&] {
        chosen = selectedFile();
        dialog.accept();
    });
    QObject::connect(last, &QPushButton::clicked, &dialog, [&] {
        chosen = lastGameFile;
        dialog.accept();
    });
    QObject::connect(csv, &QPushButton::clicked, &dialog,
                     [&] { SaveCsv(&dialog, rows, store.FilePath()); });
    if (!rows.isEmpty()) table->setCurrentCell(0, 0);
    showSelected();
    dialog.adjustSize();
    MoveCenteredOver(&dialog, owner);
    dialog.exec();
    if (!chosen.isEmpty()) play(chosen);
}
