#include "level/SaveChecks.h"

bool IsOpenCell(TileType tile) {
    return tile != SolidBlock;
}

std::optional<int> FirstMissingPlayer(const PlayerStarts& starts) {
    for (int player = 0; player < PlayerCount; ++player)
        if (!starts.placed[player])
            return player;
    return std::nullopt;
}

namespace {

bool IsOpenBlock(const LevelGrid& grid, int column, int row) {
    return IsOpenCell(grid[column][row]) && IsOpenCell(grid[column + 1][row]) &&
           IsOpenCell(grid[column][row + 1]) && IsOpenCell(grid[column + 1][row + 1]);
}

} // namespace

std::optional<Cell> FirstOpenBlock(const LevelGrid& grid) {
    for (int row = 1; row < GridRows - 1; ++row)
        for (int column = 1; column < GridColumns - 1; ++column)
            if (IsOpenBlock(grid, column, row))
                return Cell{column, row};
    return std::nullopt;
}

SaveCheck CheckLevel(const LevelGrid& grid, const PlayerStarts& starts) {
    return SaveCheck{FirstMissingPlayer(starts).has_value(), FirstOpenBlock(grid)};
}

std::string OpenBlockText(Cell topLeft) {
    return "Levels which allow diagonal movements are invalid [tile (" +
           std::to_string(topLeft.column + 1) + "," + std::to_string(topLeft.row + 1) + ")].";
}

std::string OpenBlockMessage(Cell topLeft) {
    return OpenBlockText(topLeft) + " File not saved.";
}

std::string SaveFailedMessage(const std::string& path) {
    return "The level could not be written to " + path + ". File not saved.";
}

std::string SaveNotDurableMessage(const std::string& path) {
    return "The level was written to " + path +
           ", but the disk did not confirm that it was stored. The new file is already in place; "
           "save again to make sure that it is kept.";
}
