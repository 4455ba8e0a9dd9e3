#pragma once
// The sheet command's reading of a folder: the ten levels of its set as the contact sheet
// shows them, from the set's verdicts, the files it read and the ones it could not.
#include "levelset/LevelPictures.h"
#include "levelset/LevelSetCheck.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct LevelSheet {
    std::array<SheetEntry, LevelSetSize> entries;
    // Every file of the set, duplicates included: the picture may overwrite none of them.
    std::vector<std::string> inputs;
    std::vector<UnreadablePath> unreadable;
};

// Nothing when the folder cannot be listed.
std::optional<LevelSheet> ReadLevelSheet(const std::string& folder);
