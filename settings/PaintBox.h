#pragma once

#include <QWidget>

#include <functional>

class QPainter;

// A plain drawing area. Every repaint runs OnPaint. DrawOnce paints the box
// at once with a drawing of its own instead, and keeps nothing of it: the
// next repaint, for whatever reason, runs OnPaint again.
class TPaintBox : public QWidget {
    Q_OBJECT

public:
    explicit TPaintBox(QWidget* parent = nullptr);

    std::function<void(QPainter&)> OnPaint;

    void DrawOnce(std::function<void(QPainter&)> draw);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QPainter&)> once_;
};
