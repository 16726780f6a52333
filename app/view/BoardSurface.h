#pragma once

#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QSize>

#include "settings/PiecePreview.h"

// The pictures the window shows: the well and the preview bitmap, laid out as
// BoardGeometry says. The engine thread draws into them; the user-interface
// thread copies them to the screen. Every access takes the lock, so a repaint
// never sees half a cell.
class BoardSurface {
public:
    explicit BoardSurface(CellImages cellImages);

    // Draws with other cell images from now on, and draws the preview anew
    // with them; the well's cells already drawn stay until drawn again.
    void SetCellImages(CellImages cellImages);

    // A black well of width x height cells.
    void Resize(int width, int height);
    // Draws the image of `code` at cell (x, y); cells outside the well's box
    // (the hidden rows above it) are clipped away.
    void DrawCell(int x, int y, int code);
    void FillWellBlack();
    // Draws a 4 x 4 picture of cell codes into the preview grid.
    void DrawPreviewPicture(const PreviewPicture& picture);

    QSize WellPixelSize() const;
    // Copies the well to `painter` with its top-left corner at `at`.
    void PaintWell(QPainter& painter, const QPoint& at) const;
    // The preview bitmap halved into the next-piece box at `at`.
    void PaintPreview(QPainter& painter, const QPoint& at) const;

private:
    mutable QMutex mutex_;
    CellImages cellImages_;
    QImage well_;                     // guarded by mutex_
    QImage preview_;                  // guarded by mutex_
    PreviewPicture previewPicture_{}; // what preview_ shows; guarded by mutex_
};
