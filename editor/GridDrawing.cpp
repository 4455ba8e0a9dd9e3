#include "editor/GridDrawing.h"

#include "render/GridPicture.h"
#include "res/Resources.h"

using namespace EditorGeometry;

namespace {

// The area of the surface that render/ paints the grid into.
QRect GridArea() {
    const render::Rect grid = GridGeometry::GridRect;
    return QRect(QPoint(grid.left, grid.top), QPoint(grid.right - 1, grid.bottom - 1));
}

} // namespace

namespace GridDrawing {

TileBitmapSet LoadTileBitmaps() {
    TileBitmapSet bitmaps;
    const auto ids = TileBitmapIds();
    for (int tile = 0; tile < TileCount; ++tile)
        bitmaps[tile] = LoadBitmapResource(ids[tile]);
    return bitmaps;
}

void DrawGridLines(CDC& dc, const QColor& gridColour) {
    render::DrawGridLines(dc.PixelsToPaint(GridArea()), gridColour.rgb());
}

void DrawTileImage(CDC& dc, int x, int y, const QImage& bitmap) {
    dc.StretchBlt(x + 1, y + 1, CellImageSize, CellImageSize, bitmap);
}

void DrawGridCells(CDC& dc, const LevelGrid& grid) {
    render::DrawGridCells(dc.PixelsToPaint(GridArea()), grid);
}

void DrawGridFrame(CDC& dc) {
    render::FrameRect(dc.PixelsToPaint(GridArea()), GridGeometry::GridRect, render::Rgb(0, 0, 0));
}

} // namespace GridDrawing
