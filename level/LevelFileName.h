#pragma once
// The game reads its levels from files named L1.txt to L10.txt, in any case.
#include <optional>
#include <string>

// Whether the file name of path has the form Ln.txt with n from 1 to 10. The last backslash
// ends the folder part, or the last "/" when there is no backslash.
bool IsValidLevelFileName(const std::string& path);

// The level number n of a valid level file name, or nothing for any other name.
std::optional<int> LevelFileNumber(const std::string& path);

// The level number n of a file name of the game's level set, exactly "L<n>.txt" with n from 1
// to 10 in any letter case (no leading zero, no other character), or nothing for any other name.
std::optional<int> LevelSetNumber(const std::string& name);
