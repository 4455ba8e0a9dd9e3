#pragma once
// The level being edited: its cells and player starts, the file it belongs to and whether it
// has changed since that file was read or written. Every operation that changes cells returns
// the cells it changed, so that a view redraws just those.
#include <cstdint>
#include <string>
#include <vector>

#include "level/Level.h"

// Everything an edit changes and undo restores.
struct LevelState {
    LevelGrid grid{};
    PlayerStarts starts;
    bool operator==(const LevelState&) const = default;
};

// One cell of a reversible edit, packed small so that a long history stays cheap.
struct CellChange {
    std::int8_t column;
    std::int8_t row;
    std::int8_t before;
    std::int8_t after;
};

// The difference between two level states: the cells whose tiles differ, and the player starts
// on both sides, each restored exactly, placed flags and remembered cells alike.
struct LevelEdit {
    std::vector<CellChange> cells;
    PlayerStarts startsBefore;
    PlayerStarts startsAfter;
    bool IsEmpty() const { return cells.empty() && startsBefore == startsAfter; }
};

LevelEdit DiffLevels(const LevelState& before, const LevelState& after);

// Every cell of the grid, column by column: what a whole new level changes.
std::vector<Cell> AllCells();

class LevelDocument {
public:
    // The default level: solid border, floor inside, no player, no file, unmodified.
    LevelDocument();
    explicit LevelDocument(const LevelState& state, std::string path = {}, bool modified = false);

    const LevelState& State() const { return Level; }
    const LevelGrid& Grid() const { return Level.grid; }
    const PlayerStarts& Starts() const { return Level.starts; }
    TileType TileAt(Cell cell) const { return Level.grid[cell.column][cell.row]; }
    const std::string& Path() const { return FilePath; }
    bool IsModified() const { return Modified; }
    void SetPath(std::string path) { FilePath = std::move(path); }
    void SetModified(bool modified) { Modified = modified; }

    // Paints one cell under the player-start rule; the level counts as modified.
    std::vector<Cell> PlaceTile(Cell target, TileType tile);
    // Turns every floor cell, border included, into tile. The level counts as modified when it
    // had a floor cell, even when tile is floor itself.
    std::vector<Cell> FillFloor(TileType tile);
    // Wipes the inside back to floor and releases every player start; Modified stays.
    std::vector<Cell> ClearInside();
    // A new level: the inside wiped, the border kept, no file, unmodified.
    std::vector<Cell> StartNew();
    // Back to the default level with no file, unmodified.
    std::vector<Cell> ResetToDefault();
    // What a file read starts from: the current cells, with no player placed.
    LevelState FileReadBase() const;
    // Takes the level that a read of the file at path gave: it belongs to that file, unmodified.
    std::vector<Cell> TakeFileRead(std::string path, const LevelState& read);
    // Steps back over an edit, or forward over it again.
    std::vector<Cell> Revert(const LevelEdit& edit);
    std::vector<Cell> Reapply(const LevelEdit& edit);

private:
    std::vector<Cell> Replace(const LevelState& state);

    LevelState Level;
    std::string FilePath;
    bool Modified = false;
};
