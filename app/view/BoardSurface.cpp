#include "app/view/BoardSurface.h"

#include <QMutexLocker>
#include <QPainter>
#include <cstring>

#include "engine/BoardGeometry.h"

using BoardGeometry::CellSize;

BoardSurface::BoardSurface(CellImages cellImages)
    : cellImages_(std::move(cellImages)),
      preview_(BoardGeometry::PreviewImageSize, BoardGeometry::PreviewImageSize,
               QImage::Format_RGB32) {
    for (QImage& image : cellImages_)
        image = image.convertToFormat(QImage::Format_RGB32);
    preview_.fill(Qt::black);
}

void BoardSurface::SetCellImages(CellImages cellImages) {
    for (QImage& image : cellImages)
        image = image.convertToFormat(QImage::Format_RGB32);
    QMutexLocker lock(&mutex_);
    cellImages_ = std::move(cellImages);
    PaintPreviewGrid(preview_, previewPicture_, cellImages_);
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

void BoardSurface::DrawPreviewPicture(const PreviewPicture& picture) {
    QMutexLocker lock(&mutex_);
    previewPicture_ = picture;
    PaintPreviewGrid(preview_, picture, cellImages_);
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
    const QSize box(BoardGeometry::PreviewBoxSize, BoardGeometry::PreviewBoxSize);
    painter.drawImage(QRect(at, box), preview_);
}
