#pragma once
// Checking level files without the editor: what a file says that the editor would read
// differently, what the save checks find in the level as the editor reads it, and which files
// of a folder make up its level set.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "level/Finding.h"
#include "level/Level.h"
#include "level/LevelFileName.h"

// Warnings about the text as the level reader takes it: a byte order mark, a line end of LF
// alone, a line that is not 15 characters, a last line without a line end, fewer or more than
// 13 lines, a character outside the tile table, a player that occurs again and a border cell
// that is not solid. The pass stops where the reader stops (a line of more than 15 characters,
// or after the 13th line).
std::vector<Finding> ScanLevelText(std::string_view text);

// The save checks of a level in the editor's own words, without its "File not saved.": a player
// start missing as a warning, since the editor warns and saves, and the first open 2 x 2 block
// at its top-left cell as an error, since the editor refuses to save it.
std::vector<Finding> SaveCheckFindings(const LevelGrid& grid, const PlayerStarts& starts);

// What a file from which the reader takes not a single tile gets instead of all other findings:
// the editor's Load refuses it.
inline constexpr const char* HoldsNoLevelMessage =
    "the file holds no level: not one tile character where the editor reads them, so Load refuses "
    "it";

// Both of the above for the first bytes of one level file, in the order of the save checks
// first: the scan, then the level read into grid over the default level, as the editor shows it
// after a Load at start-up, and its save checks.
std::vector<Finding> CheckLevelBytes(const std::string& bytes, LevelGrid& grid);

// The files of a folder sorted into the game's level set: for each level 1..10 the names
// "L<n>.txt" in any letter case, and the other names ending in ".txt" (in any case, look-alikes
// such as L01.txt included), each in the order given.
struct LevelSetFiles {
    std::array<std::vector<std::string>, LevelSetSize> levels;
    std::vector<std::string> strays;
};
LevelSetFiles SortLevelSetFiles(const std::vector<std::string>& names);
