#include "settings/UpDown.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

// A held arrow steps again after the first delay, then at the repeat rate.
constexpr int FirstRepeatDelay = 400; // ms
constexpr int RepeatInterval = 50;    // ms

} // namespace

QString ThousandsText(int value) {
    const QString digits = QString::number(value < 0 ? -qint64(value) : qint64(value));
    const QString separator = QLocale::system().groupSeparator();
    QString text;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
        text += digits[i];
    }
    return value < 0 ? QLatin1Char('-') + text : text;
}

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    resize(ButtonWidth, 23);
}

void TUpDown::SetAssociate(QLineEdit* edit) {
    if (associate_) associate_->removeEventFilter(this);
    associate_ = edit;
    if (!associate_) return;
    setGeometry(edit->x() + edit->width(), edit->y(), ButtonWidth, edit->height());
    associate_->installEventFilter(this);
    ShowPosition();
}

void TUpDown::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    SetPosition(position_);
}

void TUpDown::SetPosition(int position) {
    const int old = position_;
    position_ = std::clamp(position, min_, max_);
    ShowPosition();
    // Qt passes the event on only while assistive technology listens.
    if (position_ != old) {
        QAccessibleValueChangeEvent changed(this, position_);
        QAccessible::updateAccessibility(&changed);
    }
}

void TUpDown::Step(int direction) {
    emit Changing();
    // A bound as the position's limit keeps an increment that does not
    // divide the range from stepping past the end.
    const qint64 next = qint64(position_) + (direction > 0 ? increment_ : -qint64(increment_));
    SetPosition(int(std::clamp<qint64>(next, min_, max_)));
}

void TUpDown::ShowPosition() {
    if (associate_) associate_->setText(ThousandsText(position_));
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            Step(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QRect TUpDown::ArrowRect(Arrow arrow) const {
    // The upper button takes the odd pixel row.
    const int upperHeight = (height() + 1) / 2;
    if (arrow == Arrow::Up) return QRect(0, 0, width(), upperHeight);
    return QRect(0, upperHeight, width(), height() - upperHeight);
}

void TUpDown::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (Arrow arrow : {Arrow::Up, Arrow::Down}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = ArrowRect(arrow);
        button.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        button.state |= pressed_ == arrow ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &painter, this);

        QStyleOption glyph = button;
        glyph.rect = button.rect.adjusted(3, 2, -3, -2);
        if (pressed_ == arrow) glyph.rect.translate(1, 1);
        style()->drawPrimitive(arrow == Arrow::Up ? QStyle::PE_IndicatorArrowUp
                                                  : QStyle::PE_IndicatorArrowDown,
                               &glyph, &painter, this);
    }
}

void TUpDown::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_ = ArrowRect(Arrow::Up).contains(event->position().toPoint()) ? Arrow::Up : Arrow::Down;
    update();
    // A press on the spin takes the focus to its edit, as a click in the
    // field would.
    if (associate_ && associate_->isEnabled() && associate_->focusPolicy() & Qt::ClickFocus)
        associate_->setFocus(Qt::MouseFocusReason);
    repeat_.start(FirstRepeatDelay, this);
    Step(pressed_ == Arrow::Up ? 1 : -1);
}

void TUpDown::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    repeat_.stop();
    pressed_ = Arrow::None;
    update();
}

void TUpDown::timerEvent(QTimerEvent* event) {
    if (event->timerId() != repeat_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    repeat_.start(RepeatInterval, this);
    if (pressed_ != Arrow::None) Step(pressed_ == Arrow::Up ? 1 : -1);
}

void TUpDown::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        repeat_.stop();
        pressed_ = Arrow::None;
    }
}
