#include "level/Level.h"

namespace {
#include "res/tiles/brick.xpm"
#include "res/tiles/floor.xpm"
#include "res/tiles/player1.xpm"
#include "res/tiles/player2.xpm"
#include "res/tiles/player3.xpm"
#include "res/tiles/player4.xpm"
#include "res/tiles/player5.xpm"
#include "res/tiles/solid_block.xpm"

constexpr bool InCodeOrder(const std::array<TileKind, TileCount>& table) {
    for (int tile = 0; tile < TileCount; ++tile)
        if (table[tile].code != tile)
            return false;
    return true;
}

} // namespace

constexpr std::array<TileKind, TileCount> TileTable = {{
    {SolidBlock, "Solid Block", '*', solid_block_xpm},
    {Brick, "Destructible Brick", '-', brick_xpm},
    {Floor, "Floor", ' ', floor_xpm},
    {Player1, "Player One", '1', player1_xpm},
    {Player2, "Player Two", '2', player2_xpm},
    {Player3, "Player Three", '3', player3_xpm},
    {Player4, "Player Four", '4', player4_xpm},
    {Player5, "Player Five", '5', player5_xpm},
}};
static_assert(InCodeOrder(TileTable));

bool IsBorderCell(int column, int row) {
    return column == 0 || column == GridColumns - 1 || row == 0 || row == GridRows - 1;
}

std::string TileName(int tile) {
    if (tile < 0 || tile >= TileCount)
        return {};
    return TileTable[tile].name;
}

void ResetToDefaultLevel(LevelGrid& grid, PlayerStarts& starts) {
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            grid[column][row] = IsBorderCell(column, row) ? SolidBlock : Floor;
    starts.placed.fill(false);
}
