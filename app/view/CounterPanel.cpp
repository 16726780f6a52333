#include "app/view/CounterPanel.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

#include "components/Fonts.h"

namespace {

// The pixels of a counter box's contents that its text never takes: the line
// edit's own margins on both sides, with room to spare.
constexpr int TextMargins = 8;

QLineEdit* MakeCounter(QWidget* parent, const char* name, const QString& text,
                       const QRect& geometry) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAttribute(Qt::WA_TransparentForMouseEvents);
    edit->setFont(FixedPitchFont(15, true));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, Qt::black);
    edit->setPalette(palette);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

// A label keeps its place while its text fits; a longer text (another
// language's) widens it about its centre, within the panel.
QLabel* MakeLabel(TranslatedTexts& texts, QWidget* parent, const char* name, const char* text,
                  const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    texts.Bind(text, [label, geometry](const QString& shown) {
        label->setText(shown);
        const int width = std::max(geometry.width(), label->fontMetrics().horizontalAdvance(shown));
        const int left = std::max(0, geometry.center().x() + 1 - (width + 1) / 2);
        label->setGeometry(QRect(left, geometry.y(), width, geometry.height()));
    });
    return label;
}

} // namespace

CounterPanel::CounterPanel(QWidget* parent) : TKePanel(parent) {
    setObjectName("Panel1");
    setFont(FixedPitchFont(17));
    // The panel stays enabled so that the counters' text is drawn black, not
    // greyed; the mouse passes through it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Label2 = MakeLabel(Texts, this, "Label2", QT_TRANSLATE_NOOP("CounterPanel", "得点"),
                       QRect(18, 8, 34, 17));
    Score = MakeCounter(this, "Score", "00000", QRect(12, 32, 51, 23));
    Label3 = MakeLabel(Texts, this, "Label3", QT_TRANSLATE_NOOP("CounterPanel", "総数"),
                       QRect(18, 72, 34, 17));
    Kazu = MakeCounter(this, "Kazu", "00000", QRect(12, 96, 51, 23));
    Label1 = MakeLabel(Texts, this, "Label1", QT_TRANSLATE_NOOP("CounterPanel", "４段抜"),
                       QRect(12, 136, 51, 17));
    Line4 = MakeCounter(this, "Line4", "00", QRect(24, 160, 24, 23));
    // Each label names its counter for assistive technology, which then
    // reads "得点 00120" rather than the digits alone.
    Label2->setBuddy(Score);
    Label3->setBuddy(Kazu);
    Label1->setBuddy(Line4);
}

void CounterPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Texts.Retranslate();
    TKePanel::changeEvent(event);
}

QLineEdit* CounterPanel::Box(Counter which) const {
    return which == Counter::Score ? Score : which == Counter::Kazu ? Kazu : Line4;
}

QString CounterPanel::Text(Counter which) const {
    return Box(which)->text();
}

qint64 CounterPanel::Count(Counter which) const {
    return Box(which)->text().toLongLong();
}

void CounterPanel::ShowCounter(Counter which, const QString& text) {
    QLineEdit* box = Box(which);
    box->setText(text);
    // A number longer than the box shows its leading digits, not its last.
    // One that fits leaves the cursor at its end, where setText put it: a
    // moved cursor is one more event to every screen reader at each piece.
    if (box->fontMetrics().horizontalAdvance(text) > box->contentsRect().width() - TextMargins)
        box->setCursorPosition(0);
    box->repaint();
}
