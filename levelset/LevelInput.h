#pragma once
// A level file named on the command line: a path, or "-" for one level read from standard
// input (a file named "-" is given as ./-).
#include "files/ReadFile.h"
#include "level/Level.h"

#include <cstddef>
#include <optional>
#include <string>

inline constexpr const char* StandardInputPath = "-";

bool IsStandardInput(const std::string& path);

// At most maxBytes from the start of the file, or of standard input for "-", of which no more
// is read, so an endless stream is not waited on to its end.
FileStart ReadLevelInput(const std::string& path, std::size_t maxBytes);

// The level of a file or of standard input as the editor's Load at start-up shows it: read over
// the default level. No grid when the file could not be read (failure says why) or holds no
// level (not one tile character).
struct InputLevel {
    ReadFailure failure = ReadFailure::None;
    std::optional<LevelGrid> grid;
    PlayerStarts starts;
};
InputLevel ReadInputLevel(const std::string& path);
