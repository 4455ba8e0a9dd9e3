#pragma once
// The one rule by which painting changes a cell: each player's start stays unique.
#include <vector>

#include "level/Level.h"

// Stores tile into target. A player tile moves that player's start: its previous start cell
// becomes floor. A player start painted over is released. Returns the cells that changed, in
// the order they must be redrawn: the player's previous start cell (when it had one, even if
// it is the target), then the target.
std::vector<Cell> PlaceTileInGrid(LevelGrid& grid, PlayerStarts& starts, Cell target,
                                  TileType tile);
