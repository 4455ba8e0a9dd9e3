#pragma once
// The analyse command: the fairness analysis of level files and of the level sets of folders,
// printed as a table per level with its findings, as findings alone, or as one JSON document.
#include "level/LevelAnalysis.h"
#include "levelset/FindingOutput.h"

#include <optional>
#include <string>
#include <vector>

struct AnalysedLevel {
    std::string path;
    std::optional<std::string> unreadable; // why the file could not be read
    std::optional<LevelAnalysis> analysis; // none when unreadable or holding no level
    // The analysis's findings, or the one error of a file that holds no level.
    std::vector<Finding> findings;
};

// Each path as check takes it: a level file, "-" for one level on standard input, or a folder
// for the files of its level set (levels missing from the set are check's business). Each
// level is read over the default level, as the editor's Load at start-up shows it.
std::vector<AnalysedLevel> AnalysePaths(const std::vector<std::string>& paths, int brickCost);

// What analyse prints on standard output. text: per level its table, then its findings as
// lines with their rule ids; gcc and github: the findings alone; each followed by a summary
// line. json: {"levels": [...]}.
std::string AnalyseReport(const std::vector<AnalysedLevel>& levels, ReportFormat format,
                          int brickCost);

// One "zapmaze-levels: cannot read <path>: <reason>" line for each unreadable path.
std::string AnalyseUnreadableLines(const std::vector<AnalysedLevel>& levels);

// The counts of the summary line and of the exit status.
FindingTally TallyOf(const std::vector<AnalysedLevel>& levels);
