#pragma once
// The grid area of the editor window (white ground, inner grid lines, black frame and the tile
// picture of every cell) painted into plain pixels: the editor paints its window with it and
// zapmaze-levels its pictures, so both show the very same pixels.
#include "level/Level.h"
#include "render/Canvas.h"

namespace GridGeometry {

constexpr int CellPitch = 20;
constexpr int GridOffset = 5;
constexpr int GridLeft = 5, GridTop = 5, GridRight = 306, GridBottom = 266;
constexpr int CellImageSize = 19;
constexpr render::Rect GridRect{GridLeft, GridTop, GridRight, GridBottom};

// The top-left corner of a cell: the grid line pixel before its picture.
constexpr int CellLeft(int column) {
    return GridOffset + CellPitch * column;
}
constexpr int CellTop(int row) {
    return GridOffset + CellPitch * row;
}

} // namespace GridGeometry

namespace render {

// The grid line colours with Show Grid on (black) and off (the floor's green).
constexpr Pixel GridLinesShown = Rgb(0, 0, 0);
constexpr Pixel GridLinesHidden = Rgb(0, 128, 0);

// The ground, the inner lines in the grid colour and the frame, without the cells.
void DrawGridLines(const Canvas& canvas, Pixel gridColour);

// The tile's picture scaled to 19 x 19 with its top-left corner at (x + 1, y + 1).
void DrawTileImage(const Canvas& canvas, int x, int y, int tile);

// The tile picture of every cell of the grid.
void DrawGridCells(const Canvas& canvas, const LevelGrid& grid);

// The grid area alone, 301 x 261 pixels, each pixel repeated scale times in each direction.
PixelBuffer RenderLevel(const LevelGrid& grid, Pixel gridColour, int scale);

} // namespace render
