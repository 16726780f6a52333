#include "app/view/BoardWidgets.h"

#include <QAccessible>
#include <QPainter>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <utility>

#include "app/view/BoardSurface.h"

namespace {

// With BRIMAL_STARTUP_PROBE set, the first paint of the well writes the wall
// clock in microseconds to stderr, for measuring the time from the program's
// start to its first picture.
void ProbeFirstPaint() {
    static bool done = false;
    if (done) return;
    done = true;
    if (!qEnvironmentVariableIsSet("BRIMAL_STARTUP_PROBE")) return;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "first-paint-us %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    std::fflush(stderr);
}

} // namespace

WellView::WellView(const BoardSurface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WellView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    surface_.PaintWell(painter, QPoint(0, 0));
    ProbeFirstPaint();
    if (afterFirstPaint_) QTimer::singleShot(0, this, std::exchange(afterFirstPaint_, {}));
}

void WellView::TellDescriptionChanged() {
    // Qt passes the event on only while assistive technology listens.
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
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

// Told no one: a new piece comes several times a second, and a screen
// reader that asks reads the kind from the description.
void PreviewView::SetShownKind(int kind) {
    shownKind_ = kind;
}

BevelBox::BevelBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BevelBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // right() and bottom() are the last pixel column and row.
    const QRect r = rect();
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}
