#include "editor/LevelEditorDlg.h"

#include "editor/GridDrawing.h"

using namespace EditorGeometry;

namespace {

const CBrush RedBrush(Qt::red);

void DrawSwatch(CDC& dc, const Swatch& swatch, const QImage& bitmap) {
    dc.Rectangle(swatch.left, swatch.top, swatch.right, swatch.bottom);
    dc.StretchBlt(swatch.image.x, swatch.image.y, SwatchImageSize, SwatchImageSize, bitmap);
}

} // namespace

void CLevelEditorDlg::PaintEditor() {
    if (IsIconic()) {
        CDC dc(*this);
        const QImage icon = Icon.pixmap(32, 32).toImage();
        dc.DrawImage((width() - icon.width() + 1) / 2, (height() - icon.height() + 1) / 2, icon);
        return;
    }
    {
        CDC dc(*this);
        GridDrawing::DrawGridLines(dc, GridPen.Colour);
    }
    DrawAllCells();
    DrawSwatches();
    DrawPalette();
}

void CLevelEditorDlg::DrawAllCells() {
    {
        CDC dc(*this);
        GridDrawing::DrawGridCells(dc, Document().Grid());
    }
    DrawHoverFrameOverCells();
}

// Brings the screen up to date after a command changed cells: those cells, then what lies on
// top of them, as a whole repaint would leave it.
void CLevelEditorDlg::DrawChangedCells(const std::vector<Cell>& cells) {
    DrawCells(cells);
    DrawHoverFrameOverCells();
}

void CLevelEditorDlg::DrawCells(const std::vector<Cell>& cells) {
    for (const Cell cell : cells)
        DrawCell(cell.column, cell.row);
}

// The hover frame on top of freshly drawn cells; on the last column or row it covers the grid's
// outer frame, which is drawn again over it.
void CLevelEditorDlg::DrawHoverFrameOverCells() {
    DrawHoverFrame();
    if (HoverCell.column == GridColumns - 1 || HoverCell.row == GridRows - 1) {
        CDC dc(*this);
        GridDrawing::DrawGridFrame(dc);
    }
}

void CLevelEditorDlg::DrawCell(int column, int row) {
    if (column < 0 || row < 0)
        return;
    CDC dc(*this);
    const PixelPoint origin = CellOrigins[column][row];
    DrawTileImage(dc, origin.x, origin.y, TileBitmaps[Document().TileAt({column, row})]);
}

void CLevelEditorDlg::DrawHoverFrame() {
    if (HoverCell.column < 0 || HoverCell.row < 0)
        return;
    CDC dc(*this);
    const PixelPoint origin = CellOrigins[HoverCell.column][HoverCell.row];
    dc.FrameRect(QRect(origin.x + 1, origin.y + 1, CellPitch - 1, CellPitch - 1), RedBrush);
}

void CLevelEditorDlg::DrawSwatches() {
    CDC dc(*this);
    DrawSwatch(dc, BackSwatch, TileBitmaps[RightTile]);
    DrawSwatch(dc, FrontSwatch, TileBitmaps[LeftTile]);
}

void CLevelEditorDlg::DrawPalette() {
    CDC dc(*this);
    for (int slot = 0; slot < TileCount; ++slot) {
        const PixelPoint corner = PaletteSlots[slot];
        dc.Rectangle(corner.x, corner.y, corner.x + PaletteBoxSize, corner.y + PaletteBoxSize);
        DrawTileImage(dc, corner.x, corner.y, TileBitmaps[slot]);
    }
}

void CLevelEditorDlg::DrawTileImage(CDC& target, int x, int y, const QImage& bitmap) {
    GridDrawing::DrawTileImage(target, x, y, bitmap);
}
