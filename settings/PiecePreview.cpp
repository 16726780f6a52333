#include "settings/PiecePreview.h"

#include <QPainter>

#include "engine/BoardGeometry.h"
#include "resources/Resources.h"

void PaintPreviewGrid(QImage& target, const PreviewPicture& picture, const CellImages& cells) {
    using BoardGeometry::CellSize;
    using BoardGeometry::PreviewGridOrigin;
    QPainter painter(&target);
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            const int code = picture[i][j];
            if (code < 0 || code > 7) continue;
            painter.drawImage(
                QPoint(PreviewGridOrigin + CellSize * j, PreviewGridOrigin + CellSize * i),
                cells[code]);
        }
    }
}

QImage ComposePreview(int shape, Resources::CellStyle style) {
    QImage picture(BoardGeometry::PreviewImageSize, BoardGeometry::PreviewImageSize,
                   QImage::Format_RGB32);
    picture.fill(Qt::black);
    if (shape < 1 || shape > ShapeCount) return picture;
    CellImages cells;
    for (int code = 0; code < Resources::CellImageCount; ++code)
        cells[code] = Resources::CellImage(code, style);
    PaintPreviewGrid(picture, PreviewPatterns[shape], cells);
    return picture;
}
