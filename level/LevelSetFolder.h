#pragma once
// Which folder's set the editor shows, and where the open level stands in it.
#include <optional>
#include <string>

// The level directory of the settings when one is set, else the folder of the open level, else
// the current folder; a relative folder is taken against the current folder, and a trailing
// separator is dropped.
std::string LevelSetFolder(const std::string& levelDirectory, const std::string& levelPath,
                           const std::string& currentFolder);

// The level number (1..10) of the file at path in the set of folder: a file directly in that
// folder whose name the set's rule takes; nothing for any other path.
std::optional<int> LevelInSet(const std::string& folder, const std::string& path);
