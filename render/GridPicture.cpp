#include "render/GridPicture.h"

#include "render/TilePictures.h"

using namespace GridGeometry;

namespace render {

void DrawGridLines(const Canvas& canvas, Pixel gridColour) {
    FillRect(canvas, GridRect, Rgb(255, 255, 255));
    for (int x = GridLeft + CellPitch; x < GridRight - 1; x += CellPitch)
        FillRect(canvas, {x, GridTop, x + 1, GridBottom - 1}, gridColour);
    for (int y = GridTop + CellPitch; y < GridBottom - 1; y += CellPitch)
        FillRect(canvas, {GridLeft, y, GridRight - 1, y + 1}, gridColour);
    FrameRect(canvas, GridRect, Rgb(0, 0, 0));
}

void DrawTileImage(const Canvas& canvas, int x, int y, int tile) {
    StretchPicture(canvas, {x + 1, y + 1, x + 1 + CellImageSize, y + 1 + CellImageSize},
                   TilePicture(tile).View());
}

void DrawGridCells(const Canvas& canvas, const LevelGrid& grid) {
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            DrawTileImage(canvas, CellLeft(column), CellTop(row), grid[column][row]);
}

PixelBuffer RenderLevel(const LevelGrid& grid, Pixel gridColour, int scale) {
    PixelBuffer area(GridRight, GridBottom, Rgb(255, 255, 255));
    DrawGridLines(area.Paint(), gridColour);
    DrawGridCells(area.Paint(), grid);
    return ScaledArea(area.View(), GridRect, scale);
}

} // namespace render
