#pragma once
// The shortened path that the editor's window title shows.
#include <string>

// Deletes characters before the last separator ("/", else backslash) until the text is shorter
// than 38 characters, then turns the three characters before that separator into dots. Paths
// are UTF-8, and characters are counted and replaced whole.
std::string AbbreviatePathForTitle(std::string path);
