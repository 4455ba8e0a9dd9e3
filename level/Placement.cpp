#include "level/Placement.h"

std::vector<Cell> PlaceTileInGrid(LevelGrid& grid, PlayerStarts& starts, Cell target,
                                  TileType tile) {
    std::vector<Cell> changed;
    changed.reserve(2);
    const bool isPlayer = IsPlayerTile(tile);
    const int player = PlayerOfTile(tile);
    if (isPlayer) {
        if (starts.placed[player]) {
            const Cell previous = starts.position[player];
            grid[previous.column][previous.row] = Floor;
            changed.push_back(previous);
        }
        starts.position[player] = target;
    }
    TileType& cell = grid[target.column][target.row];
    if (IsPlayerTile(cell))
        starts.placed[PlayerOfTile(cell)] = false;
    cell = tile;
    changed.push_back(target);
    if (isPlayer)
        starts.placed[player] = true;
    return changed;
}
