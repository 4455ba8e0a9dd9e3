#pragma once
// The game's rules checked before a level is saved, and the texts that report them.
#include <optional>
#include <string>

#include "level/Level.h"

// Every tile but the solid block can be walked on, bricks included.
bool IsOpenCell(TileType tile);

// The first player (0..4) without a start, if any.
std::optional<int> FirstMissingPlayer(const PlayerStarts& starts);

// The top-left cell of the first 2 x 2 block of open cells, scanning top-left cells over rows
// 1..11 (outer) and columns 1..13 (inner). Such a block would allow diagonal movement.
std::optional<Cell> FirstOpenBlock(const LevelGrid& grid);

// What a save check found: a missing player only warns, an open block refuses the save.
struct SaveCheck {
    bool warnMissingPlayers = false;
    std::optional<Cell> openBlock;
    bool allowed() const { return !openBlock; }
};

SaveCheck CheckLevel(const LevelGrid& grid, const PlayerStarts& starts);

inline constexpr const char* MissingPlayersMessage = "All player start points have not been used!";
inline constexpr const char* WarningCaption = "Warning!";
inline constexpr const char* SaveFailedCaption = "Save Failed";
inline constexpr const char* InvalidFileNameMessage =
    "Warning: The valid filename format is \"Ln.txt\" where 'n' is a number between 1 and 10. "
    "File was saved.";

// The rule that an open block breaks, naming its top-left cell's column and row plus one.
std::string OpenBlockText(Cell topLeft);
// The editor's refusal to save such a level: that text and "File not saved."
std::string OpenBlockMessage(Cell topLeft);

// The refusal for a level file that could not be written.
std::string SaveFailedMessage(const std::string& path);
// The report for a level file that took the new level but that the disk did not confirm.
std::string SaveNotDurableMessage(const std::string& path);
