#pragma once

#include <QImage>
#include <array>

#include "engine/Catalogue.h"
#include "resources/Resources.h"

// The images of cell codes 0 to 7.
using CellImages = std::array<QImage, 8>;

// The picture of a shape as the next-piece box shows it: a square of
// BoardGeometry::PreviewImageSize pixels, black, with a 4 x 4 preview grid of
// cell images one cell in from each edge. Shown at half size it gives 8 x 8
// cells inside an 8-pixel black margin. The window's next-piece box and the
// settings dialog's piece preview both draw it here.

// Draws the grid of `picture` into `target`, a preview picture, with the
// images of `cells`; the margin is left as it is.
void PaintPreviewGrid(QImage& target, const PreviewPicture& picture, const CellImages& cells);

// A new picture of `shape` with the program's cell images of `style`; all
// black for a number that is no shape.
QImage ComposePreview(int shape, Resources::CellStyle style = Resources::CellStyle::Plain);
