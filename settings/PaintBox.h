#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QPainter;
class QWindow;

// A plain drawing area. Every repaint runs OnPaint, an uncovering of its
// window included. DrawOnce paints a drawing of its own over it at once and
// keeps nothing of it: the next repaint, for whatever reason, shows OnPaint
// alone again.
class TPaintBox : public QWidget {
    Q_OBJECT

public:
    explicit TPaintBox(QWidget* parent = nullptr);

    std::function<void(QPainter&)> OnPaint;

    void DrawOnce(std::function<void(QPainter&)> draw);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(QPainter&)> once_;
    QPointer<QWindow> watchedWindow_;
};
