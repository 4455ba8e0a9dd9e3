#include "level/Level.h"

bool IsBorderCell(int column, int row) {
    return column == 0 || column == GridColumns - 1 || row == 0 || row == GridRows - 1;
}

std::string TileName(int tile) {
    static const std::array<const char*, TileCount> names = {
        "Solid Block", "Destructible Brick", "Floor",       "Player One",
        "Player Two",  "Player Three",       "Player Four", "Player Five",
    };
    if (tile < 0 || tile >= TileCount)
        return {};
    return names[tile];
}

void ResetToDefaultLevel(LevelGrid& grid, PlayerStarts& starts) {
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            grid[column][row] = IsBorderCell(column, row) ? SolidBlock : Floor;
    starts.placed.fill(false);
}
