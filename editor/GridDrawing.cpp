#include "editor/GridDrawing.h"

#include "render/GridPicture.h"
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
    render::DrawGridLines(dc.PixelsToPaint(GridRect), gridColour.rgb());
}

void DrawTileImage(CDC& dc, int x, int y, const QImage& bitmap) {
    dc.StretchBlt(x + 1, y + 1, CellImageSize, CellImageSize, bitmap);
}

void DrawGridCells(CDC& dc, const LevelGrid& grid) {
    render::DrawGridCells(dc.PixelsToPaint(GridRect), grid);
}

} // namespace GridDrawing
