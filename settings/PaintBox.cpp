#include "settings/PaintBox.h"

#include <QEvent>
#include <QPainter>
#include <QWindow>

#include <utility>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::DrawOnce(std::function<void(QPainter&)> draw) {
    once_ = std::move(draw);
    repaint();
    // A box that could not paint now (hidden, say) does not keep it either.
    once_ = nullptr;
}

void TPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (OnPaint) OnPaint(painter);
    if (once_) std::exchange(once_, nullptr)(painter);
}

void TPaintBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The window exists once the box shows; it may be a new one after a
    // re-parenting.
    QWindow* window = this->window()->windowHandle();
    if (window == watchedWindow_) return;
    if (watchedWindow_) watchedWindow_->removeEventFilter(this);
    watchedWindow_ = window;
    if (window) window->installEventFilter(this);
}

bool TPaintBox::eventFilter(QObject* watched, QEvent* event) {
    // Qt puts an uncovered window back from its backing store, which still
    // holds whatever DrawOnce drew, without asking the box to paint. Marked
    // for repainting before the window handles the expose, the box is painted
    // anew in the same pass.
    if (watched == watchedWindow_ && event->type() == QEvent::Expose && isVisible()) update();
    return QWidget::eventFilter(watched, event);
}
