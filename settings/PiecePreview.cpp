#include "settings/PiecePreview.h"

#include "engine/Catalogue.h"
#include "resources/Resources.h"

#include <QPainter>

QImage ComposePreview(int shape) {
    QImage picture(PreviewImageSize, PreviewImageSize, QImage::Format_RGB32);
    picture.fill(Qt::black);
    if (shape < 1 || shape > ShapeCount) return picture;
    QPainter painter(&picture);
    const PreviewPicture& grid = PreviewPatterns[shape];
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 4; ++j) {
            painter.drawImage(QPoint(16 * j, 16 * i), Resources::CellImage(grid[i - 1][j - 1]));
        }
    }
    return picture;
}
