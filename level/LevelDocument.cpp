#include "level/LevelDocument.h"

#include "level/Placement.h"

namespace {

std::vector<Cell> InteriorCells() {
    std::vector<Cell> cells;
    cells.reserve((GridColumns - 2) * (GridRows - 2));
    for (int column = 1; column < GridColumns - 1; ++column)
        for (int row = 1; row < GridRows - 1; ++row)
            cells.push_back({column, row});
    return cells;
}

std::vector<Cell> ApplyCells(LevelGrid& grid, const LevelEdit& edit, bool forward) {
    std::vector<Cell> changed;
    changed.reserve(edit.cells.size());
    for (const CellChange& change : edit.cells) {
        grid[change.column][change.row] =
            static_cast<TileType>(forward ? change.after : change.before);
        changed.push_back({change.column, change.row});
    }
    return changed;
}

} // namespace

LevelEdit DiffLevels(const LevelState& before, const LevelState& after) {
    LevelEdit edit{{}, before.starts, after.starts};
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            if (before.grid[column][row] != after.grid[column][row])
                edit.cells.push_back({static_cast<std::int8_t>(column),
                                      static_cast<std::int8_t>(row),
                                      static_cast<std::int8_t>(before.grid[column][row]),
                                      static_cast<std::int8_t>(after.grid[column][row])});
    return edit;
}

LevelDocument::LevelDocument() {
    ResetToDefault();
}

LevelDocument::LevelDocument(const LevelState& state, std::string path, bool modified)
    : Level(state), FilePath(std::move(path)), Modified(modified) {}

std::vector<Cell> LevelDocument::PlaceTile(Cell target, TileType tile) {
    Modified = true;
    return PlaceTileInGrid(Level.grid, Level.starts, target, tile);
}

std::vector<Cell> LevelDocument::FillFloor(TileType tile) {
    std::vector<Cell> filled;
    for (int column = 0; column < GridColumns; ++column) {
        for (int row = 0; row < GridRows; ++row) {
            if (Level.grid[column][row] == Floor) {
                Level.grid[column][row] = tile;
                filled.push_back({column, row});
            }
        }
    }
    if (!filled.empty())
        Modified = true;
    return filled;
}

std::vector<Cell> LevelDocument::ClearInside() {
    std::vector<Cell> cells = InteriorCells();
    for (const Cell cell : cells)
        Level.grid[cell.column][cell.row] = Floor;
    Level.starts.placed.fill(false);
    return cells;
}

std::vector<Cell> LevelDocument::StartNew() {
    FilePath.clear();
    Modified = false;
    return ClearInside();
}

std::vector<Cell> LevelDocument::ResetToDefault() {
    LevelState level;
    ::ResetToDefaultLevel(level.grid, level.starts);
    level.starts.position = Level.starts.position;
    FilePath.clear();
    Modified = false;
    return Replace(level);
}

LevelState LevelDocument::FileReadBase() const {
    LevelState base = Level;
    base.starts.placed.fill(false);
    return base;
}

std::vector<Cell> LevelDocument::TakeFileRead(std::string path, const LevelState& read) {
    FilePath = std::move(path);
    Modified = false;
    return Replace(read);
}

std::vector<Cell> LevelDocument::Revert(const LevelEdit& edit) {
    Level.starts = edit.startsBefore;
    return ApplyCells(Level.grid, edit, false);
}

std::vector<Cell> LevelDocument::Reapply(const LevelEdit& edit) {
    Level.starts = edit.startsAfter;
    return ApplyCells(Level.grid, edit, true);
}

std::vector<Cell> AllCells() {
    std::vector<Cell> cells;
    cells.reserve(GridColumns * GridRows);
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            cells.push_back({column, row});
    return cells;
}

// A whole new level: every cell counts as changed.
std::vector<Cell> LevelDocument::Replace(const LevelState& state) {
    Level = state;
    return AllCells();
}
