#pragma once
// A level file named on the command line: a path, or "-" for one level read from standard
// input (a file named "-" is given as ./-).
#include "files/ReadFile.h"

#include <cstddef>
#include <string>

inline constexpr const char* StandardInputPath = "-";

bool IsStandardInput(const std::string& path);

// At most maxBytes from the start of the file, or of standard input for "-", of which no more
// is read, so an endless stream is not waited on to its end.
FileStart ReadLevelInput(const std::string& path, std::size_t maxBytes);
