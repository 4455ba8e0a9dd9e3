#pragma once
// The game reads its levels from files named L1.txt to L10.txt, in any letter case. Two rules
// read such names, both from the one reading of a name below: the editor's warning after Save
// As, which reads the number as atoi does and so also takes L01.txt and L5X.txt, and the level
// set's membership, which takes exactly the names that the game opens.
#include <optional>
#include <string>
#include <string_view>

// The levels of a set: L1.txt to L10.txt.
inline constexpr int LevelSetSize = 10;

// Whether the name ends in the extension (".txt") in any letter case.
bool HasExtension(std::string_view name, std::string_view extension);

// The editor's rule: whether the file name of path has the form Ln.txt with n from 1 to 10,
// n read as atoi reads it. The last backslash ends the folder part, or the last "/" when there
// is no backslash.
bool IsValidLevelFileName(const std::string& path);

// The level set's rule: the level number n of a file name that is exactly "L<n>.txt" with n
// from 1 to 10 in any letter case (no leading zero, no other character), or nothing for any
// other name.
std::optional<int> LevelSetNumber(const std::string& name);
