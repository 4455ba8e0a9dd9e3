#pragma once
// The check command: findings for level files and for the level sets of folders, printed one
// per line, as one JSON document or as workflow annotations, or the summary line alone.
#include "files/FolderListing.h"
#include "level/LevelFileCheck.h"
#include "levelset/FindingOutput.h"

#include <optional>
#include <string>
#include <vector>

struct PathFinding {
    std::string path;
    Finding finding;
};

struct UnreadablePath {
    std::string path;
    std::string reason;
};

struct CheckResult {
    std::vector<PathFinding> findings;
    int filesChecked = 0;
    // Paths named by the user, and members of their level sets, that could not be read.
    std::vector<UnreadablePath> unreadable;
};

// Checks each path: a level file, "-" for one level on standard input, or a folder whose level
// set is L1.txt to L10.txt. A file named by the user also draws the warning that the editor
// gives when saving under a name other than Ln.txt.
CheckResult CheckPaths(const std::vector<std::string>& paths);

// What check prints on standard output: the findings in the format, unless summaryOnly, then
// the summary line; for json the document alone.
std::string CheckReport(const CheckResult& result, ReportFormat format, bool summaryOnly);

// One "zapmaze-levels: cannot read <path>: <reason>" line for each unreadable path.
std::string UnreadableLines(const CheckResult& result);

// The counts of the summary line ("<n> files checked: " and TallyText) and of the exit status.
FindingTally TallyOf(const CheckResult& result);
