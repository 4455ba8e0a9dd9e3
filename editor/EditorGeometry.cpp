#include "editor/EditorGeometry.h"

namespace EditorGeometry {

namespace {

bool InsideImage(const Swatch& swatch, int x, int y) {
    return swatch.left + 1 < x && x < swatch.right - 1 && swatch.top + 1 < y &&
           y < swatch.bottom - 1;
}

} // namespace

std::optional<Cell> CellAt(const CellHitTable& hitMap, int x, int y) {
    if (x <= GridLeft || x >= GridRight - 1 || y <= GridTop || y >= GridBottom - 1)
        return std::nullopt;
    return hitMap[x - GridOffset][y - GridOffset];
}

std::optional<int> PaletteSlotAt(int x, int y) {
    for (int slot = 0; slot < TileCount; ++slot) {
        const PixelPoint corner = PaletteSlots[slot];
        if (corner.x <= x && x <= corner.x + PaletteBoxSize - 1 && corner.y <= y &&
            y <= corner.y + PaletteBoxSize - 1)
            return slot;
    }
    return std::nullopt;
}

bool HitsFrontSwatch(int x, int y) {
    return InsideImage(FrontSwatch, x, y);
}

bool HitsBackSwatch(int x, int y) {
    return InsideImage(BackSwatch, x, y) &&
           (x > FrontSwatch.right - 1 || y > FrontSwatch.bottom - 1);
}

void BuildCellHitMap(CellHitTable& hitMap) {
    int column = 0;
    for (int px = 0; px < HitMapWidth && column < GridColumns; ++px) {
        if (px > 0 && px % CellPitch == 0 && ++column == GridColumns)
            return;
        int row = 0;
        for (int py = 0; py < HitMapHeight && row < GridRows; ++py) {
            if (py > 0 && py % CellPitch == 0 && ++row == GridRows)
                break;
            hitMap[px][py] = Cell{column, row};
        }
    }
}

} // namespace EditorGeometry
