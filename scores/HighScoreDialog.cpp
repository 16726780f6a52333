#include "scores/HighScoreDialog.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValidator>

#include "components/PMsgDlg.h"

namespace {

// Refuses control characters and names over the length while they are typed
// or pasted; blanks around the name are trimmed when it is recorded.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        // A blank typed over the whole name would leave nothing to record.
        if (input.isEmpty()) return Intermediate;
        if (input.trimmed().isEmpty()) return Invalid;
        // Blanks typed before the next word count only once it comes.
        if (input.trimmed().toUcs4().size() > MaxNameLength) return Invalid;
        return CleanName(input) ? Acceptable : Invalid;
    }
};

constexpr const char* ColumnTitles[] = {
    QT_TRANSLATE_NOOP("HighScoreDialog", "順位"),   QT_TRANSLATE_NOOP("HighScoreDialog", "名前"),
    QT_TRANSLATE_NOOP("HighScoreDialog", "得点"),   QT_TRANSLATE_NOOP("HighScoreDialog", "総数"),
    QT_TRANSLATE_NOOP("HighScoreDialog", "４段抜"), QT_TRANSLATE_NOOP("HighScoreDialog", "日時")};

// The longest texts a column usually shows: a name of eight full-width
// letters, six-digit scores, a date.
const QStringList UsualTexts{QStringLiteral("10"),     QString(8, QChar(0x3042)),
                             QStringLiteral("999999"), QStringLiteral("99999"),
                             QStringLiteral("999"),    QStringLiteral("2026/12/31 23:59")};

} // namespace

HighScoreDialog::HighScoreDialog(QWidget* owner, const RuleSet& rules)
    : QDialog(owner ? owner->window() : nullptr), owner_(owner), rulesKey_(rules.Key()) {
    setWindowTitle(tr("ハイスコア"));
    setObjectName(QStringLiteral("HighScoreDialog"));

    Rules = new QLabel(rules.InWords(), this);
    Rules->setObjectName(QStringLiteral("Rules"));
    Note = new QLabel(this);
    Note->setObjectName(QStringLiteral("Note"));
    Note->hide();

    auto* namePage = new QWidget(this);
    Place = new QLabel(namePage);
    Place->setObjectName(QStringLiteral("Place"));
    Counters = new QLabel(namePage);
    Counters->setObjectName(QStringLiteral("Counters"));
    Name = new QLineEdit(namePage);
    Name->setObjectName(QStringLiteral("Name"));
    Name->setValidator(new NameValidator(Name));
    // Room for half the longest name in full-width letters; longer ones scroll.
    Name->setMinimumWidth(
        Name->fontMetrics().horizontalAdvance(QString(MaxNameLength / 2, QChar(0x3042))));
    auto* nameLabel = new QLabel(tr("名前(&N):"), namePage);
    nameLabel->setBuddy(Name);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(Name, 1);
    auto* nameLayout = new QVBoxLayout(namePage);
    nameLayout->setContentsMargins(0, 0, 0, 0);
    nameLayout->addWidget(Place);
    nameLayout->addWidget(Counters);
    nameLayout->addSpacing(8);
    nameLayout->addLayout(nameRow);

    QStringList titles;
    for (const char* title : ColumnTitles)
        titles << tr(title);
    Table = new QTableWidget(HighScoreTable::Places, titles.size(), this);
    Table->setObjectName(QStringLiteral("Table"));
    Table->setHorizontalHeaderLabels(titles);
    Table->verticalHeader()->hide();
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionMode(QAbstractItemView::NoSelection);
    Table->setFocusPolicy(Qt::NoFocus);
    Table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Table->horizontalHeader()->setSectionsClickable(false);

    Pages = new QStackedWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Pages->addWidget(namePage);
    Pages->addWidget(Table);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
    Name->installEventFilter(this);
    ok->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Rules);
    layout->addWidget(Note);
    layout->addWidget(Pages, 0, Qt::AlignHCenter);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void HighScoreDialog::AskName(int place, const FinishedGame& game, const QString& offered,
                              RecordName record) {
    record_ = std::move(record);
    Place->setText(tr("第%1位に入りました。名前を入力してください。").arg(place + 1));
    Counters->setText(
        tr("得点 %1　総数 %2　４段抜 %3").arg(game.Score).arg(game.Pieces).arg(game.FourRowClears));
    Name->setText(offered);
    Name->selectAll();
    Pages->setCurrentIndex(0);
    Name->setFocus();
    opened_.start();
    ownKeys_.clear();
    Recentre();
}

bool HighScoreDialog::eventFilter(QObject* watched, QEvent* event) {
    // Time enough for the player to see the prompt and stop tapping.
    constexpr qint64 FirstMomentMs = 250;
    if (record_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (!key->isAutoRepeat() && opened_.elapsed() >= FirstMomentMs) {
            ownKeys_.insert(key->key());
        } else if (!ownKeys_.contains(key->key())) {
            // A tap from play, or the repeat of a key held since then.
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HighScoreDialog::ShowTable(const QList<HighScore>& rows, int marked, const QString& note) {
    record_ = nullptr;
    Note->setText(note);
    Note->setVisible(!note.isEmpty());
    Table->clearContents();
    for (int r = 0; r < HighScoreTable::Places; ++r) {
        QStringList texts{QString::number(r + 1)};
        if (r < rows.size()) {
            const HighScore& row = rows[r];
            texts << row.Name << QString::number(row.Score) << QString::number(row.Pieces)
                  << QString::number(row.FourRowClears)
                  << row.When.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
        }
        for (int c = 0; c < texts.size(); ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            // Names read from the left, numbers line up at the right.
            item->setTextAlignment(Qt::AlignVCenter |
                                   (c == 1 || c == 5 ? Qt::AlignLeft : Qt::AlignRight));
            if (r == marked) {
                item->setBackground(palette().highlight());
                item->setForeground(palette().highlightedText());
            }
            Table->setItem(r, c, item);
        }
    }
    // The whole table without scroll bars. Each column is at least as wide as
    // its longest usual text, so that the dialog keeps its size as the table
    // fills.
    Table->resizeColumnsToContents();
    Table->resizeRowsToContents();
    const QFontMetrics metrics(Table->font());
    int width = 2 * Table->frameWidth();
    for (int c = 0; c < Table->columnCount(); ++c) {
        const int usual = metrics.horizontalAdvance(UsualTexts[c]);
        Table->setColumnWidth(c, std::max(Table->columnWidth(c), usual) + 12);
        width += Table->columnWidth(c);
    }
    int height = 2 * Table->frameWidth() + Table->horizontalHeader()->height();
    for (int r = 0; r < Table->rowCount(); ++r)
        height += Table->rowHeight(r);
    Table->setFixedSize(width, height);
    Pages->setCurrentWidget(Table);
    Recentre();
}

void HighScoreDialog::OkClick() {
    if (!record_) {
        accept();
        return;
    }
    const std::optional<QString> name = CleanName(Name->text());
    if (!name) {
        QApplication::beep();
        Name->setFocus();
        return;
    }
    const HighScoreStore::Recorded recorded = record_(*name);
    if (recorded.Saved) {
        ShowTable(recorded.Table.Rows(rulesKey_), recorded.Place);
    } else {
        ShowTable(recorded.Table.Rows(rulesKey_), -1, tr("このゲームは保存できませんでした。"));
    }
}

void HighScoreDialog::Recentre() {
    // The dialog's size follows its page; its place follows its size.
    const QWidget* page = Pages->currentWidget();
    Pages->setFixedSize(page->sizeHint().expandedTo(page->minimumSize()));
    adjustSize();
    MoveCenteredOver(this, owner_);
}

QString LoginName() {
    // USER on Linux, USERNAME on Windows; where neither is set (a service, a
    // bare container) the home folder is named after the user.
    QStringList candidates;
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"})
        candidates << qEnvironmentVariable(variable);
    candidates << QDir::home().dirName();
    for (const QString& candidate : candidates) {
        if (const auto name = CleanName(candidate.left(MaxNameLength))) return *name;
    }
    return {};
}

void OfferHighScore(QWidget* owner, const TGameSettings& settings, const FinishedGame& game,
                    HighScoreStore& store) {
    const RuleSet rules = RuleSet::Of(settings);
    const HighScoreTable table = store.Load();
    const int place = table.PlaceFor(rules.Key(), game.Score, game.Ended);
    if (place < 0) return;
    const QString latest = table.LatestName();
    HighScoreDialog dialog(owner, rules);
    dialog.AskName(place, game, latest.isEmpty() ? LoginName() : latest, [&](const QString& name) {
        HighScoreStore::Recorded recorded = store.Record(
            {rules.Key(), game.Score, game.Pieces, game.FourRowClears, game.Ended, name});
        if (!recorded.Saved) {
            CenteredMessageDlg(&dialog,
                               HighScoreDialog::tr("ハイスコアを保存できませんでした。\n") +
                                   QDir::toNativeSeparators(store.FilePath()),
                               mtWarning, mbOK, 0);
        }
        return recorded;
    });
    dialog.exec();
}

void ShowHighScores(QWidget* owner, const TGameSettings& settings, HighScoreStore& store) {
    const RuleSet rules = RuleSet::Of(settings);
    HighScoreDialog dialog(owner, rules);
    dialog.ShowTable(store.Load().Rows(rules.Key()), -1);
    dialog.exec();
}
