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

// Reads up to 13 lines into the grid without clearing it first and returns how many rows it
// took. A line end is LF, with a CR directly before it belonging to the line end. A line of more
// than 15 characters stops the reading and changes nothing of its row; a last line without a
// line end is not used. Unknown characters keep their cell but take their column; player
// characters also record the start. Holds at most one line of 15 characters in memory, whatever
// the stream holds.
int ReadLevelText(std::istream& in, LevelGrid& grid, PlayerStarts& starts);

// Steps over a UTF-8 byte order mark at the stream's position, which a text editor may have put
// at the start of a level file; returns whether there was one.
bool SkipByteOrderMark(std::istream& in);

// Reads the level at path as ReadLevelText does, after a UTF-8 byte order mark at its start, and
// returns the rows taken: 0 when the file cannot be opened or is no regular file (a folder, a
// named pipe, a device). Reads no more of the file than a level can use.
int ReadLevelFile(const std::string& path, LevelGrid& grid, PlayerStarts& starts);

// Replaces the file at path with the level text in one step, through a temporary file in the
// same folder that reaches the disk before it takes the file's name. A symbolic link at path
// has its target replaced. Returns whether the file was completely written; on failure the
// previous file is left exactly as it was.
bool WriteLevelFile(const std::string& path, const LevelGrid& grid);

// The boxes that Load shows when a file gave no rows, or fewer than all 13.
inline constexpr const char* LoadFailedCaption = "Load Failed";
std::string LoadFailedMessage(const std::string& path);
std::string PartlyLoadedMessage(int rows, const std::string& path);
