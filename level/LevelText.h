#pragma once
// The level text file: 13 lines of 15 tile characters, one line per row, each ended by CR LF.
#include <iosfwd>
#include <optional>
#include <string>

#include "level/Level.h"

// "*" solid block, "-" brick, " " floor, "1".."5" player starts.
char TileToChar(TileType tile);
std::optional<TileType> CharToTile(char character);

// The 221-byte text of a level: every line ended by CR LF, floor written as spaces.
std::string LevelText(const LevelGrid& grid);

// Reads up to 13 lines into the grid without clearing it first. A line end is LF, with a CR
// directly before it belonging to the line end. A line of more than 15 characters stops the
// reading and changes nothing of its row; a last line without a line end is not used. Unknown
// characters keep their cell but take their column; player characters also record the start.
// Holds at most one line of 15 characters in memory, whatever the stream holds.
void ReadLevelText(std::istream& in, LevelGrid& grid, PlayerStarts& starts);

// Reads the level at path; a file that cannot be opened, or that is no regular file (a folder,
// a named pipe, a device), changes nothing.
void ReadLevelFile(const std::string& path, LevelGrid& grid, PlayerStarts& starts);

// Replaces the file at path with the level text in one step, through a temporary file in the
// same folder. Returns whether the file was completely written; on failure the previous file is
// left exactly as it was.
bool WriteLevelFile(const std::string& path, const LevelGrid& grid);
