#pragma once

#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QSize>
#include <array>

// The pictures the window shows: the well (16 x 16 pixels a cell) and the
// 96 x 96 preview bitmap. The engine thread draws into them; the user-interface
// thread copies them to the screen. Every access takes the lock, so a repaint
// never sees half a cell.
class BoardSurface {
public:
    static constexpr int CellSize = 16;
    static constexpr int PreviewSize = 96;

    // The images of cell codes 0 to 7.
    explicit BoardSurface(std::array<QImage, 8> cellImages);

    // A black well of width x height cells.
    void Resize(int width, int height);
    // Draws the image of `code` at cell (x, y); cells outside the well's box
    // (the hidden rows above it) are clipped away.
    void DrawCell(int x, int y, int code);
    void FillWellBlack();
    // Draws a 4 x 4 picture of cell codes into the preview grid.
    void DrawPreviewPicture(const std::array<std::array<int, 4>, 4>& picture);

    QSize WellPixelSize() const;
    // Copies the well to `painter` with its top-left corner at `at`.
    void PaintWell(QPainter& painter, const QPoint& at) const;
    // The preview bitmap stretched into the 48 x 48 box at `at`.
    void PaintPreview(QPainter& painter, const QPoint& at) const;
    const QImage& CellImage(int code) const { return cellImages_[code]; }

private:
    mutable QMutex mutex_;
    std::array<QImage, 8> cellImages_;
    QImage well_;    // guarded by mutex_
    QImage preview_; // guarded by mutex_
};
