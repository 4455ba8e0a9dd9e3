#pragma once
// The level text file: 13 lines of 15 tile characters, one line per row, each ended by CR LF.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "files/FileAccess.h"
#include "files/FileStamp.h"
#include "files/ReadFile.h"
#include "level/Level.h"

// A tile's character in the tile table, and the tile of a character; no tile for any other.
char TileToChar(TileType tile);
std::optional<TileType> CharToTile(char character);

// The 221-byte text of a level: every line ended by CR LF, floor written as spaces.
inline constexpr std::size_t LevelTextBytes = GridRows * (GridColumns + 2);
std::string LevelText(const LevelGrid& grid);

// One line of a level text as the reader takes it from the front of text: at most 15 characters,
// without the line end (LF, or CR LF). Reading stops at a 16th character (TooLong); EndOfFile
// means the text ended before a line end (the characters before it are kept). Every reader of
// level text, the level reader and the file check, reads lines with it.
struct LevelLine {
    enum class End { CrLf, Lf, EndOfFile, TooLong };
    std::array<char, GridColumns> characters{};
    int length = 0;
    End end = End::EndOfFile;
};
LevelLine ReadLevelLine(std::string_view& text);

// The reader takes at most 13 lines of 15 characters and a CR LF each, after a byte order mark
// of 3 bytes: no byte further into a file can change what it reads.
inline constexpr std::size_t LongestLevelFile = 3 + LevelTextBytes;

// What a read took: the rows, and the tile characters stored from them.
struct LevelTextRead {
    int rows = 0;
    int tiles = 0;
};

// Steps over a UTF-8 byte order mark at the front of text, which a text editor may have put at
// the start of a level file; returns whether there was one.
bool SkipByteOrderMark(std::string_view& text);

// Reads the level in the first bytes of a level file, after a UTF-8 byte order mark at their
// start: what Load, check, render and sheet all read a file with. Takes up to 13 lines into the
// grid without clearing it first and returns how many rows it took, and how many tile
// characters. A line end is LF, with a CR directly before it belonging to the line end. A line
// of more than 15 characters stops the reading and changes nothing of its row; a last line
// without a line end is not used. Unknown characters keep their cell but take their column;
// player characters also record the start.
LevelTextRead ReadLevelBytes(std::string_view bytes, LevelGrid& grid, PlayerStarts& starts);

// What reading a level file gave. A file that gives no tile character from any row (a picture,
// a program, an empty file) holds no level, and Load takes nothing from it.
struct LevelFileRead {
    ReadFailure failure = ReadFailure::None; // why the file could not be opened or read
    LevelTextRead text;
    FileStamp stamp; // of the file read
    bool HoldsLevel() const { return failure == ReadFailure::None && text.tiles > 0; }
};

// A level file's stamp hashes its first 221 bytes, the length of a level as the editor writes
// it: telling whether it changed costs one fstat and one read of 221 bytes.
FileStamp LevelFileStamp(const struct stat& status, std::string_view bytes);
// The stamp of the level file at path as it is now, links followed; nothing when it cannot be
// read (it does not exist, or is no regular file).
std::optional<FileStamp> LevelFileStampNow(const std::string& path);

// Reads the level at path as ReadLevelBytes does. Reads no more of the file than a level can use,
// and nothing from a file that is no regular file (a folder, a named pipe, a device).
LevelFileRead ReadLevelFile(const std::string& path, LevelGrid& grid, PlayerStarts& starts);

// Replaces the file at path with the level text in one step, as ReplaceFile does, keeping its
// mode, owner, group and access control list. A symbolic link at path has its target replaced,
// or created when the link dangles, unless another user planted it in a shared sticky folder
// (see FollowLinks): then nothing is written. Anything else at the name that is no regular file
// (a named pipe, a folder) is left alone. Tells whether the file was completely written and
// reached the disk, and why not; on failure the previous file is left exactly as it was. The
// stamp is the written file's.
struct LevelFileWrite {
    ReplaceResult result;
    FileStamp stamp;
    operator bool() const { return result; }
};
LevelFileWrite WriteLevelFile(const std::string& path, const LevelGrid& grid);

// The boxes that Load shows when a file holds no level, saying why, or gave fewer than all 13
// rows.
inline constexpr const char* LoadFailedCaption = "Load Failed";
std::string LoadFailedMessage(const std::string& path, const LevelFileRead& read);
std::string PartlyLoadedMessage(int rows, const std::string& path);
