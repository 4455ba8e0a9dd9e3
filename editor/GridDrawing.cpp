#include "editor/GridDrawing.h"

#include "res/Resources.h"

using namespace EditorGeometry;

namespace GridDrawing {

TileBitmapSet LoadTileBitmaps() {
    TileBitmapSet bitmaps;
    const auto ids = TileBitmapIds();
    for (int tile = 0; tile < TileCount; ++tile)
        bitmaps[tile] = LoadBitmapResource(ids[tile]);
    return bitmaps;
}

void DrawGridLines(CDC& dc, const QColor& gridColour) {
    dc.FillRect(GridRect, CBrush(Qt::white));
    dc.SelectPen(CPen(gridColour));
    for (int x = GridLeft + CellPitch; x < GridRight - 1; x += CellPitch) {
        dc.MoveTo(x, GridTop);
        dc.LineTo(x, GridBottom - 1);
    }
    for (int y = GridTop + CellPitch; y < GridBottom - 1; y += CellPitch) {
        dc.MoveTo(GridLeft, y);
        dc.LineTo(GridRight - 1, y);
    }
    dc.FrameRect(GridRect, CBrush(Qt::black));
}

void DrawTileImage(CDC& dc, int x, int y, const QImage& bitmap) {
    dc.StretchBlt(x + 1, y + 1, CellImageSize, CellImageSize, bitmap);
}

void DrawGridCells(CDC& dc, const LevelGrid& grid, const TileBitmapSet& bitmaps) {
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row) {
            const PixelPoint origin = CellOrigin(column, row);
            DrawTileImage(dc, origin.x, origin.y, bitmaps[grid[column][row]]);
        }
}

void DrawLevelGrid(CDC& dc, const LevelGrid& grid, const TileBitmapSet& bitmaps,
                   const QColor& gridColour) {
    DrawGridLines(dc, gridColour);
    DrawGridCells(dc, grid, bitmaps);
}

} // namespace GridDrawing
