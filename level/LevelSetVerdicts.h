#pragma once
// The verdict on each level of a folder's set, as check gives it: "ok", "N warnings",
// "N errors", "missing" or "unreadable", with the file, its findings and its level. The sheet
// of zapmaze-levels draws from it, and the editor's Level Set window shows it.
//
// Cheap when nothing changed: a rescan that is given the previous verdicts lists the folder
// and takes the stamp of each member (one stat), and reads again only a file whose stamp
// differs, or whose stamp was not settled (written within a few seconds of its reading), so a
// window may rescan on every change of the folder.
#include <array>
#include <string>
#include <vector>

#include "files/FileStamp.h"
#include "level/Finding.h"
#include "level/Level.h"
#include "level/LevelFileName.h"

struct SlotVerdict {
    enum class Kind { Ok, Warnings, Errors, Missing, Unreadable };
    int level = 0; // 1..10
    Kind kind = Kind::Missing;
    int count = 0; // of warnings (Warnings) or errors (Errors)
    // The file the game reads for this level (the first in name order when there are several),
    // or where L<n>.txt would be when it is missing.
    std::string path;
    std::vector<std::string> otherFiles; // further files for the same level
    std::string reason;                  // why an unreadable file could not be read
    std::vector<Finding> findings;       // the check's findings of the file
    LevelGrid grid{};                    // its level as the editor loads it, for its picture
    FileStamp stamp;                     // of the file when it was read
    bool settled = false;                // the file was left alone a while before that read
    bool changed = true;                 // differs from the slot of the previous verdicts

    // "ok", "1 warning", "3 errors", "missing", "unreadable".
    std::string Text() const;
};

struct LevelSetVerdicts {
    std::string folder;
    bool listed = false; // false when the folder could not be listed: every slot is missing
    std::array<SlotVerdict, LevelSetSize> levels;
    int filesRead = 0; // by the scan that gave these verdicts
};

// The verdicts on the folder's set; unchanged files keep the verdicts of previous when it is the
// same folder's.
LevelSetVerdicts JudgeLevelSet(const std::string& folder, const LevelSetVerdicts& previous = {});
