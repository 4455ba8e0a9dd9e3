#pragma once
// The level being edited: its cells and player starts and the file it belongs to, and the edits
// that change it. Every operation that changes cells returns the cells it changed, so that a
// view redraws just those.
#include <cstdint>
#include <string>
#include <vector>

#include "level/Level.h"
#include "level/Mirror.h"

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

// The cells that an edit visits, in the order it visits them, each with its tile before and
// after, and the player starts on both sides, each restored exactly, placed flags and remembered
// cells alike. A cell may be visited and keep its tile.
struct LevelEdit {
    std::vector<CellChange> cells;
    PlayerStarts startsBefore;
    PlayerStarts startsAfter;
    bool ChangesSomething() const;
    std::vector<Cell> Cells() const;
    // Adds the edit that follows this one: a cell visited by both keeps its first tile before.
    void Then(const LevelEdit& next);
};

// The edits of the three ways of painting, worked out on a level without changing it.
// PlaceTileEdit paints one cell under the player-start rule and visits the cells that rule
// redraws; under a mirror it paints each image of the cell too, one after the other, but a
// player tile only at the cell itself, as a start is unique. FillFloorEdit turns every floor cell,
// border included, into tile; ClearInsideEdit wipes the inside back to floor, visiting every inside
// cell, and releases every player start.
LevelEdit PlaceTileEdit(const LevelState& level, Cell target, TileType tile,
                        MirrorMode mirror = std::nullopt);
LevelEdit FillFloorEdit(const LevelState& level, TileType tile);
LevelEdit ClearInsideEdit(const LevelState& level);

// Every cell of the grid, column by column: what a whole new level changes.
std::vector<Cell> AllCells();

class LevelDocument {
public:
    // The default level: solid border, floor inside, no player, no file.
    LevelDocument();
    // A level as it is handed over, with whether it has changes that its file lacks.
    explicit LevelDocument(const LevelState& state, std::string path = {}, bool modified = false);
    virtual ~LevelDocument() = default;

    const LevelState& State() const { return Level; }
    const LevelGrid& Grid() const { return Level.grid; }
    const PlayerStarts& Starts() const { return Level.starts; }
    TileType TileAt(Cell cell) const { return Level.grid[cell.column][cell.row]; }
    const std::string& Path() const { return FilePath; }
    void SetPath(std::string path) { FilePath = std::move(path); }
    // Whether the level has changes that its file lacks: as handed over here; the level of an
    // editing session derives it from the session's history instead.
    virtual bool IsModified() const { return HandedOverModified; }

    // A new level: the inside wiped, the border kept, no file.
    std::vector<Cell> StartNew();
    // What a file read starts from: the current cells, with no player placed.
    LevelState FileReadBase() const;
    // Another level in this one's place, belonging to the file at path.
    std::vector<Cell> Replace(std::string path, const LevelState& level);
    // Makes an edit, or steps back over it; both return the cells the edit visits.
    std::vector<Cell> Apply(const LevelEdit& edit);
    std::vector<Cell> Revert(const LevelEdit& edit);

private:
    LevelState Level;
    std::string FilePath;
    bool HandedOverModified = false;
};
