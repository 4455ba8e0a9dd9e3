#include "level/LevelDocument.h"

#include "level/Placement.h"

#include <algorithm>

namespace {

CellChange ChangeOf(Cell cell, TileType before, TileType after) {
    return {static_cast<std::int8_t>(cell.column), static_cast<std::int8_t>(cell.row),
            static_cast<std::int8_t>(before), static_cast<std::int8_t>(after)};
}

} // namespace

bool LevelEdit::ChangesSomething() const {
    return startsBefore != startsAfter ||
           std::any_of(cells.begin(), cells.end(),
                       [](const CellChange& change) { return change.before != change.after; });
}

std::vector<Cell> LevelEdit::Cells() const {
    std::vector<Cell> visited;
    visited.reserve(cells.size());
    for (const CellChange& change : cells)
        visited.push_back({change.column, change.row});
    return visited;
}

void LevelEdit::Then(const LevelEdit& next) {
    for (const CellChange& change : next.cells) {
        const auto same = std::find_if(cells.begin(), cells.end(), [&](const CellChange& known) {
            return known.column == change.column && known.row == change.row;
        });
        if (same == cells.end())
            cells.push_back(change);
        else
            same->after = change.after;
    }
    startsAfter = next.startsAfter;
}

// The rule runs on a copy; the cells it redraws are what the edit visits. A tile other than a
// player's visits its target alone, so the images add distinct cells.
LevelEdit PlaceTileEdit(const LevelState& level, Cell target, TileType tile, MirrorMode mirror) {
    LevelState after = level;
    std::vector<Cell> visited;
    for (const Cell cell : MirroredCells(target, IsPlayerTile(tile) ? std::nullopt : mirror)) {
        const std::vector<Cell> placed = PlaceTileInGrid(after.grid, after.starts, cell, tile);
        visited.insert(visited.end(), placed.begin(), placed.end());
    }
    LevelEdit edit{{}, level.starts, after.starts};
    edit.cells.reserve(visited.size());
    for (const Cell cell : visited)
        edit.cells.push_back(
            ChangeOf(cell, level.grid[cell.column][cell.row], after.grid[cell.column][cell.row]));
    return edit;
}

LevelEdit FillFloorEdit(const LevelState& level, TileType tile) {
    LevelEdit edit{{}, level.starts, level.starts};
    for (const Cell cell : AllCells())
        if (level.grid[cell.column][cell.row] == Floor)
            edit.cells.push_back(ChangeOf(cell, Floor, tile));
    return edit;
}

LevelEdit ClearInsideEdit(const LevelState& level) {
    LevelEdit edit{{}, level.starts, level.starts};
    edit.startsAfter.placed.fill(false);
    for (const Cell cell : AllCells())
        if (!IsBorderCell(cell.column, cell.row))
            edit.cells.push_back(ChangeOf(cell, level.grid[cell.column][cell.row], Floor));
    return edit;
}

std::vector<Cell> AllCells() {
    std::vector<Cell> cells;
    cells.reserve(GridColumns * GridRows);
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            cells.push_back({column, row});
    return cells;
}

LevelDocument::LevelDocument() {
    ResetToDefaultLevel(Level.grid, Level.starts);
}

LevelDocument::LevelDocument(const LevelState& state, std::string path, bool modified)
    : Level(state), FilePath(std::move(path)), HandedOverModified(modified) {}

std::vector<Cell> LevelDocument::StartNew() {
    FilePath.clear();
    return Apply(ClearInsideEdit(Level));
}

LevelState LevelDocument::FileReadBase() const {
    LevelState base = Level;
    base.starts.placed.fill(false);
    return base;
}

// A whole new level: every cell counts as changed.
std::vector<Cell> LevelDocument::Replace(std::string path, const LevelState& level) {
    FilePath = std::move(path);
    Level = level;
    return AllCells();
}

std::vector<Cell> LevelDocument::Apply(const LevelEdit& edit) {
    Level.starts = edit.startsAfter;
    for (const CellChange& change : edit.cells)
        Level.grid[change.column][change.row] = static_cast<TileType>(change.after);
    return edit.Cells();
}

std::vector<Cell> LevelDocument::Revert(const LevelEdit& edit) {
    Level.starts = edit.startsBefore;
    for (const CellChange& change : edit.cells)
        Level.grid[change.column][change.row] = static_cast<TileType>(change.before);
    return edit.Cells();
}
