#include "settings/PaintBox.h"

#include <QPainter>

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
    if (once_) {
        const auto draw = std::exchange(once_, nullptr);
        draw(painter);
    } else if (OnPaint) {
        OnPaint(painter);
    }
}
