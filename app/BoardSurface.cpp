#include "app/BoardSurface.h"

#include <QMutexLocker>
#include <QPainter>
#include <cstring>

BoardSurface::BoardSurface(std::array<QImage, 8> cellImages)
    : cellImages_(std::move(cellImages)), preview_(PreviewSize, PreviewSize, QImage::Format_RGB32) {
    for (QImage& image : cellImages_)
        image = image.convertToFormat(QImage::Format_RGB32);
    preview_.fill(Qt::black);
}

void BoardSurface::Resize(int width, int height) {
    QMutexLocker lock(&mutex_);
    well_ = QImage(width * CellSize, height * CellSize, QImage::Format_RGB32);
    well_.fill(Qt::black);
}

void BoardSurface::DrawCell(int x, int y, int code) {
    if (code < 0 || code > 7) return; // walls and floor are never drawn
    QMutexLocker lock(&mutex_);
    const QRect target(x * CellSize, y * CellSize, CellSize, CellSize);
    if (!well_.rect().contains(target)) return;
    // Both images hold 32-bit pixels: the cell is copied row by row, which
    // costs a fraction of a painter's set-up.
    const QImage& cell = cellImages_[code];
    for (int row = 0; row < CellSize; ++row) {
        std::memcpy(well_.scanLine(target.y() + row) + target.x() * sizeof(QRgb),
                    cell.constScanLine(row), CellSize * sizeof(QRgb));
    }
}

void BoardSurface::FillWellBlack() {
    QMutexLocker lock(&mutex_);
    well_.fill(Qt::black);
}

void BoardSurface::DrawPreviewPicture(const std::array<std::array<int, 4>, 4>& picture) {
    QMutexLocker lock(&mutex_);
    QPainter painter(&preview_);
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            const int code = picture[i - 1][j - 1];
            if (code >= 0 && code <= 7)
                painter.drawImage(QPoint(16 * j, 16 * i), cellImages_[code]);
        }
    }
}

QSize BoardSurface::WellPixelSize() const {
    QMutexLocker lock(&mutex_);
    return well_.size();
}

void BoardSurface::PaintWell(QPainter& painter, const QPoint& at) const {
    QMutexLocker lock(&mutex_);
    painter.drawImage(at, well_);
}

void BoardSurface::PaintPreview(QPainter& painter, const QPoint& at) const {
    QMutexLocker lock(&mutex_);
    // Halving keeps each cell 8 x 8 with an 8-pixel black margin.
    painter.drawImage(QRect(at, QSize(48, 48)), preview_);
}
