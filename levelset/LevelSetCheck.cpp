#include "levelset/LevelSetCheck.h"

#include "level/Counted.h"
#include "level/LevelFileName.h"
#include "level/LevelText.h"
#include "levelset/Escape.h"
#include "levelset/LevelInput.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

void Add(CheckResult& result, const std::string& path, Finding::Severity severity,
         std::string_view rule, std::string text) {
    result.findings.push_back({path, {severity, 0, 0, rule, std::move(text)}});
}

// Whether the file could be read.
bool CheckLevelFileAt(CheckResult& result, const std::string& path) {
    // One byte past the longest level shows whether more lines follow.
    const FileStart start = ReadLevelInput(path, LongestLevelFile + 1);
    if (start.failure != ReadFailure::None) {
        result.unreadable.push_back({path, std::string(ReadFailureText(start.failure))});
        return false;
    }
    ++result.filesChecked;
    LevelGrid grid{};
    for (const Finding& finding : CheckLevelBytes(start.bytes, grid))
        result.findings.push_back({path, finding});
    return true;
}

// The warning that Save As gives after writing a file under another name than Ln.txt.
void CheckFileName(CheckResult& result, const std::string& path) {
    if (!IsValidLevelFileName(path))
        Add(result, path, Finding::Severity::Warning, FindingRule::Name,
            "the editor warns about this name when saving: the valid filename format is "
            "\"Ln.txt\" where 'n' is a number between 1 and 10");
}

void CheckFolder(CheckResult& result, const std::string& folder,
                 const std::vector<std::string>& names) {
    const LevelSetFiles files = SortLevelSetFiles(names);
    for (int level = 1; level <= LevelSetSize; ++level) {
        const std::vector<std::string>& candidates = files.levels[level - 1];
        const std::string expected = "L" + std::to_string(level) + ".txt";
        if (candidates.empty()) {
            Add(result, (fs::path(folder) / expected).string(), Finding::Severity::Error,
                FindingRule::MissingLevel,
                "level " + std::to_string(level) + " of the set is missing");
            continue;
        }
        for (const std::string& name : candidates) {
            const std::string path = (fs::path(folder) / name).string();
            if (name != candidates.front())
                Add(result, path, Finding::Severity::Warning, FindingRule::SecondFile,
                    "another file for level " + std::to_string(level) + " besides " +
                        candidates.front() + ": the game reads only one of them");
            CheckLevelFileAt(result, path);
        }
    }
    for (const std::string& name : files.strays)
        Add(result, (fs::path(folder) / name).string(), Finding::Severity::Warning,
            FindingRule::OutsideSet,
            "not part of the level set: the game reads only L1.txt to L10.txt");
}

void CheckPath(CheckResult& result, const std::string& path) {
    std::error_code error;
    if (!IsStandardInput(path) && fs::is_directory(path, error)) {
        if (const auto names = FolderNames(path))
            CheckFolder(result, path, *names);
        else
            result.unreadable.push_back({path, "the folder cannot be listed"});
        return;
    }
    if (CheckLevelFileAt(result, path) && !IsStandardInput(path))
        CheckFileName(result, path);
}

// The unreadable paths are counted among the errors, as the summary line counts them.
std::string JsonDocument(const CheckResult& result) {
    const FindingTally tally = TallyOf(result);
    std::string json = "{\"files\": " + std::to_string(result.filesChecked) +
                       ", \"errors\": " + std::to_string(tally.errors + tally.unreadable) +
                       ", \"warnings\": " + std::to_string(tally.warnings) +
                       ", \"unreadable\": " + std::to_string(tally.unreadable) +
                       ", \"findings\": [";
    const char* separator = "\n  ";
    auto add = [&json, &separator](const std::string& path, const Finding& finding) {
        json += separator;
        json += "{\"path\": " + JsonString(path) + ", " + JsonFindingMembers(finding) + "}";
        separator = ",\n  ";
    };
    for (const UnreadablePath& path : result.unreadable)
        add(path.path, UnreadableFinding(path.reason));
    for (const PathFinding& reported : result.findings)
        add(reported.path, reported.finding);
    const bool empty = result.findings.empty() && result.unreadable.empty();
    return json + (empty ? "]}" : "\n]}");
}

} // namespace

CheckResult CheckPaths(const std::vector<std::string>& paths) {
    CheckResult result;
    for (const std::string& path : paths)
        CheckPath(result, path);
    return result;
}

FindingTally TallyOf(const CheckResult& result) {
    FindingTally tally;
    tally.unreadable = static_cast<int>(result.unreadable.size());
    for (const PathFinding& reported : result.findings)
        tally.Add(reported.finding);
    return tally;
}

std::string CheckReport(const CheckResult& result, ReportFormat format, bool summaryOnly) {
    if (format == ReportFormat::Json)
        return JsonDocument(result) + '\n';
    std::string report;
    if (!summaryOnly) {
        if (format == ReportFormat::Github)
            for (const UnreadablePath& path : result.unreadable)
                report += UnreadableAnnotation(path.path, path.reason) + '\n';
        for (const PathFinding& reported : result.findings)
            report += FindingLine(reported.path, reported.finding, format) + '\n';
    }
    return report + Counted(result.filesChecked, "file") +
           " checked: " + TallyText(TallyOf(result)) + '\n';
}

std::string UnreadableLines(const CheckResult& result) {
    std::string lines;
    for (const UnreadablePath& path : result.unreadable)
        lines += CannotReadLine(path.path, path.reason);
    return lines;
}
