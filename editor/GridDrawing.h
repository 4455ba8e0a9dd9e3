#pragma once
// The grid area of the editor window painted on its surface by render/, the pure drawing that
// zapmaze-levels uses too: the white ground, the inner grid lines, the black frame and the tile
// picture of every cell.
#include "editor/EditorGeometry.h"
#include "level/Level.h"
#include "platform/Drawing.h"

#include <QImage>
#include <array>

using TileBitmapSet = std::array<QImage, TileCount>;

namespace GridDrawing {

// The eight tile pictures, indexed by tile code.
TileBitmapSet LoadTileBitmaps();

// The ground, the inner lines in the grid colour and the frame, without the cells.
void DrawGridLines(CDC& dc, const QColor& gridColour);

// A tile picture scaled to 19 x 19 with its top-left corner at (x + 1, y + 1).
void DrawTileImage(CDC& dc, int x, int y, const QImage& bitmap);

// The tile picture of every cell of the grid.
void DrawGridCells(CDC& dc, const LevelGrid& grid);

// The grid's black outer frame alone.
void DrawGridFrame(CDC& dc);

} // namespace GridDrawing
