#pragma once
// The names in a folder.
#include <optional>
#include <string>
#include <vector>

// The names in the folder, sorted so that nothing depends on the file system's order; nothing
// when the folder cannot be listed.
std::optional<std::vector<std::string>> FolderNames(const std::string& folder);

// The names in an open folder, "." and ".." left out, in the file system's order; none when it
// cannot be listed.
std::vector<std::string> NamesIn(int folder);
