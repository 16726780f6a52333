#pragma once

#include <QImage>

// The picture of a shape as the next-piece box shows it: 96 x 96 pixels,
// black, with the shape's 4 x 4 preview grid of cell images at pixels 16 to 79
// each way. Shown at half size it gives 8 x 8 cells inside an 8-pixel black
// margin.
inline constexpr int PreviewImageSize = 96;

QImage ComposePreview(int shape);
