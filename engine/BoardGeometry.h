#pragma once

// Where the well, the next-piece box and the counter panel lie in the main
// window's client area, in pixels, for a well of any size. Everything to the
// right of the well keeps its distance from the well's right edge, so the
// window grows with the well and the side column moves along. Plain numbers
// without Qt: the window, its engine host and the settings dialog read them;
// the engine itself speaks in cells.
namespace BoardGeometry {

// One cell of the well and of the preview picture.
inline constexpr int CellSize = 16;

// The well's box, at the client area's left edge, two pixels down; a
// two-pixel strip stays below it too.
inline constexpr int WellTop = 2;
inline constexpr int WellBottomMargin = 2;

// The preview picture: 6 x 6 cells, the 4 x 4 preview grid one cell in from
// each edge. The next-piece box shows it halved.
inline constexpr int PreviewImageSize = 6 * CellSize;
inline constexpr int PreviewGridOrigin = CellSize;
inline constexpr int PreviewBoxSize = PreviewImageSize / 2;
inline constexpr int PreviewBoxTop = 14;

// The counter panel's box.
inline constexpr int PanelTop = 78;
inline constexpr int PanelWidth = 73;
inline constexpr int PanelHeight = 195;

// Distances from the well's right edge: where a new game parks the pointer,
// the counter panel, the next-piece box, and the client area's right edge.
inline constexpr int PointerRightOfWell = 8;
inline constexpr int PanelRightOfWell = 10;
inline constexpr int PreviewBoxRightOfWell = 22;
inline constexpr int ClientRightOfWell = 93;

constexpr int WellPixelWidth(int cells) {
    return CellSize * cells;
}
constexpr int WellPixelHeight(int cells) {
    return CellSize * cells;
}
constexpr int ClientWidth(int wellWidth) {
    return WellPixelWidth(wellWidth) + ClientRightOfWell;
}
constexpr int ClientHeight(int wellHeight) {
    return WellTop + WellPixelHeight(wellHeight) + WellBottomMargin;
}
constexpr int PreviewBoxLeft(int wellWidth) {
    return WellPixelWidth(wellWidth) + PreviewBoxRightOfWell;
}
constexpr int PanelLeft(int wellWidth) {
    return WellPixelWidth(wellWidth) + PanelRightOfWell;
}
// The pointer's parking place: just right of the well, on the client area's
// top edge, out of the player's way.
constexpr int PointerX(int wellWidth) {
    return WellPixelWidth(wellWidth) + PointerRightOfWell;
}
inline constexpr int PointerY = 0;

} // namespace BoardGeometry
