#pragma once

#include <QBasicTimer>
#include <QWidget>

class QLineEdit;

// The decimal text of a number with the system's thousands separator between
// every three digits, as the number fields show it ("1,000" in the C and
// Japanese locales).
QString ThousandsText(int value);

// A spin button: two small arrow buttons, one above the other, that step a
// position within a range by a fixed increment, without wrapping at the ends.
// It is attached to the right edge of an edit, its associate, which shows the
// position and is not otherwise changed: the user changes the value only
// through the spin, by a press on an arrow (held down, it repeats) or by the
// Up and Down keys while the associate has the focus.
//
// Changing is emitted before every step the user makes, also at an end where
// the position then stays; setting the position from code emits nothing.
// Assistive technology hears every change of the position as a value change
// (TUpDownAccessible).
class TUpDown : public QWidget {
    Q_OBJECT

public:
    // The width of the two arrow buttons. The spin takes its associate's
    // height.
    static constexpr int ButtonWidth = 17;

    explicit TUpDown(QWidget* parent = nullptr);

    // Places the spin against the edit's right edge at the edit's height (the
    // edit keeps its own position and width), shows the position in it, and
    // lets its Up and Down keys step the spin. Call it once the edit has its
    // final geometry.
    void SetAssociate(QLineEdit* edit);
    QLineEdit* Associate() const { return associate_; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    // Sets the range and pulls the position into it.
    void SetRange(int min, int max);
    int Increment() const { return increment_; }
    void SetIncrement(int increment) { increment_ = increment; }

    int Position() const { return position_; }
    // Sets the position, pulled into the range, and shows it in the associate.
    void SetPosition(int position);

    // One step as the user makes it: Changing, then the position moves by the
    // increment up (direction > 0) or down, stopping at the range's end.
    void Step(int direction);

signals:
    void Changing();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum class Arrow { None, Up, Down };

    QRect ArrowRect(Arrow arrow) const;
    void ShowPosition();

    QLineEdit* associate_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
    Arrow pressed_ = Arrow::None;
    QBasicTimer repeat_; // steps again while an arrow is held down
};
