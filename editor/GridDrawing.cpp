#include "editor/GridDrawing.h"

#include "render/GridPicture.h"
#include "res/Resources.h"

using namespace EditorGeometry;

namespace GridDrawing {

namespace {

const QRect GridArea(GridLeft, GridTop, GridRight - GridLeft, GridBottom - GridTop);

} // namespace

TileBitmapSet LoadTileBitmaps() {
    TileBitmapSet bitmaps;
    const auto ids = TileBitmapIds();
    for (int tile = 0; tile < TileCount; ++tile)
        bitmaps[tile] = LoadBitmapResource(ids[tile]);
    return bitmaps;
}

void DrawGridLines(CDC& dc, COLORREF gridColour) {
    render::DrawGridLines(
        dc.PixelsToPaint(GridArea),
        render::Rgb(GetRValue(gridColour), GetGValue(gridColour), GetBValue(gridColour)));
}

void DrawTileImage(CDC& dc, int x, int y, const QImage& bitmap) {
    dc.StretchBlt(x + 1, y + 1, CellImageSize, CellImageSize, bitmap);
}

void DrawGridCells(CDC& dc, const LevelGrid& grid) {
    render::DrawGridCells(dc.PixelsToPaint(GridArea), grid);
}

} // namespace GridDrawing
