#pragma once
// The level model: the eight tiles, the 15 x 13 grid and the five player starts.
#include <array>
#include <cstdint>
#include <string>

enum TileType : std::int32_t {
    SolidBlock = 0,
    Brick = 1,
    Floor = 2,
    Player1 = 3,
    Player2 = 4,
    Player3 = 5,
    Player4 = 6,
    Player5 = 7,
};

constexpr int TileCount = 8;
constexpr int PlayerCount = 5;

// What a tile is: its long name, its character in a level file and its picture of 20 x 20
// pixels, as the lines of an XPM image with colours written as "#RRGGBB".
struct TileKind {
    TileType code;
    const char* name;
    char fileCharacter;
    const char* const* picture;
};

// The eight tiles in code order: the one list of their names, characters and pictures.
extern const std::array<TileKind, TileCount> TileTable;

constexpr int GridColumns = 15;
constexpr int GridRows = 13;

// A (column,row) pair; (-1,-1) means no cell.
struct Cell {
    int column = -1;
    int row = -1;
    bool operator==(const Cell&) const = default;
};
constexpr Cell NoCell{-1, -1};

constexpr bool IsInGrid(Cell cell) {
    return cell.column >= 0 && cell.column < GridColumns && cell.row >= 0 && cell.row < GridRows;
}

// Indexed [column][row] and stored column by column: cell index = column * 13 + row.
using LevelGrid = std::array<std::array<TileType, GridRows>, GridColumns>;

// placed[k] says whether player k (0..4) has a start; position[k] means something only while
// it does and is left as it was when the flag is cleared.
struct PlayerStarts {
    std::array<bool, PlayerCount> placed{};
    std::array<Cell, PlayerCount> position{};
    bool operator==(const PlayerStarts&) const = default;
};

constexpr bool IsPlayerTile(int tile) {
    return tile >= Player1 && tile <= Player5;
}
constexpr int PlayerOfTile(int tile) {
    return tile - Player1;
}
constexpr TileType TileOfPlayer(int player) {
    return static_cast<TileType>(player + Player1);
}

bool IsBorderCell(int column, int row);

// The long name of a tile code, or an empty text for anything that is no tile code.
std::string TileName(int tile);

// Solid border, floor inside, no player placed.
void ResetToDefaultLevel(LevelGrid& grid, PlayerStarts& starts);
