#include "app/BoardWidgets.h"

#include <QPainter>

#include "app/BoardSurface.h"

WellView::WellView(const BoardSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WellView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    surface_.PaintWell(painter, QPoint(0, 0));
}

PreviewView::PreviewView(const BoardSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    surface_.PaintPreview(painter, QPoint(0, 0));
}

BevelBox::BevelBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BevelBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}
