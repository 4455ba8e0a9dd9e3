#pragma once
// The grid area of the editor window: the white ground, the inner grid lines, the black frame
// and the tile picture of every cell. It needs Qt Gui only, so that a program without a window
// draws exactly the pixels that the editor shows.
#include "editor/EditorGeometry.h"
#include "level/Level.h"
#include "platform/Drawing.h"

#include <QImage>
#include <array>

using TileBitmapSet = std::array<QImage, TileCount>;

namespace GridDrawing {

// The grid with its frame.
constexpr QRect GridRect(QPoint(EditorGeometry::GridLeft, EditorGeometry::GridTop),
                         QPoint(EditorGeometry::GridRight - 1, EditorGeometry::GridBottom - 1));

// The eight tile pictures, indexed by tile code.
TileBitmapSet LoadTileBitmaps();

// The ground, the inner lines in the grid colour and the frame, without the cells.
void DrawGridLines(CDC& dc, const QColor& gridColour);

// A tile picture scaled to 19 x 19 with its top-left corner at (x + 1, y + 1).
void DrawTileImage(CDC& dc, int x, int y, const QImage& bitmap);

// The tile picture of every cell of the grid.
void DrawGridCells(CDC& dc, const LevelGrid& grid, const TileBitmapSet& bitmaps);

// The whole grid area: lines and frame, then every cell.
void DrawLevelGrid(CDC& dc, const LevelGrid& grid, const TileBitmapSet& bitmaps,
                   const QColor& gridColour);

} // namespace GridDrawing
