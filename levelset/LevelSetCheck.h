#pragma once
// The check command: findings for level files and for the level sets of folders, printed one
// per line, as one JSON document, or as the summary line alone.
#include "level/LevelFileCheck.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

struct PathFinding {
    std::string path;
    Finding finding;
};

struct CheckResult {
    std::vector<PathFinding> findings;
    int filesChecked = 0;
    // Paths named by the user that could not be read, each with the reason.
    std::vector<std::string> unreadable;
};

// The findings of one level file, or nothing when it cannot be read (error says why).
std::optional<std::vector<Finding>> CheckLevelFile(const std::string& path, std::string& error);

// The names in a folder, sorted so that the output does not depend on the file system's
// order; nothing when the folder cannot be listed.
std::optional<std::vector<std::string>> FolderNames(const std::string& folder);

// Checks each path: a level file, or a folder whose level set is L1.txt to L10.txt.
CheckResult CheckPaths(const std::vector<std::string>& paths);

enum class CheckOutput { Lines, Json, Summary };

// Prints the result and returns the exit status: 0 without errors, 1 with an error, 2 when a
// path could not be read.
int PrintCheckResult(const CheckResult& result, CheckOutput output, std::ostream& out,
                     std::ostream& err);

// "<path>:<row>:<column>: <error|warning>: <text>", without row and column where none applies.
std::string FindingLine(const PathFinding& reported);
std::string SummaryLine(const CheckResult& result);
std::string JsonDocument(const CheckResult& result);
