#include "levelset/LevelSetCheck.h"

#include "level/Counted.h"
#include "level/LevelFileName.h"
#include "levelset/Escape.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <istream>

namespace fs = std::filesystem;

namespace {

constexpr int LevelSetSize = 10;

int Count(const CheckResult& result, Finding::Severity severity) {
    return static_cast<int>(std::count_if(
        result.findings.begin(), result.findings.end(),
        [severity](const PathFinding& reported) { return reported.finding.severity == severity; }));
}

const char* SeverityName(Finding::Severity severity) {
    return severity == Finding::Severity::Error ? "error" : "warning";
}

void AddError(CheckResult& result, const std::string& path, std::string text) {
    result.findings.push_back({path, {Finding::Severity::Error, 0, 0, std::move(text)}});
}

void AddWarning(CheckResult& result, const std::string& path, std::string text) {
    result.findings.push_back({path, {Finding::Severity::Warning, 0, 0, std::move(text)}});
}

void AddFileFindings(CheckResult& result, const std::string& path,
                     const std::vector<Finding>& findings) {
    ++result.filesChecked;
    for (const Finding& finding : findings)
        result.findings.push_back({path, finding});
}

// Whether the file could be read.
bool CheckLevelFileAt(CheckResult& result, const std::string& path) {
    const CheckedLevelFile checked = CheckLevelFile(path);
    if (checked.failure != ReadFailure::None) {
        result.unreadable.push_back({path, std::string(ReadFailureText(checked.failure))});
        return false;
    }
    AddFileFindings(result, path, checked.findings);
    return true;
}

// The warning that Save As gives after writing a file under another name than Ln.txt.
void CheckFileName(CheckResult& result, const std::string& path) {
    if (!IsValidLevelFileName(path))
        AddWarning(result, path,
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
            AddError(result, (fs::path(folder) / expected).string(),
                     "level " + std::to_string(level) + " of the set is missing");
            continue;
        }
        for (const std::string& name : candidates) {
            const std::string path = (fs::path(folder) / name).string();
            if (name != candidates.front())
                AddWarning(result, path,
                           "another file for level " + std::to_string(level) + " besides " +
                               candidates.front() + ": the game reads only one of them");
            CheckLevelFileAt(result, path);
        }
    }
    for (const std::string& name : files.strays)
        AddWarning(result, (fs::path(folder) / name).string(),
                   "not part of the level set: the game reads only L1.txt to L10.txt");
}

void CheckPath(CheckResult& result, const std::string& path) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        if (const auto names = FolderNames(path))
            CheckFolder(result, path, *names);
        else
            result.unreadable.push_back({path, "the folder cannot be listed"});
        return;
    }
    if (CheckLevelFileAt(result, path))
        CheckFileName(result, path);
}

} // namespace

std::optional<std::vector<std::string>> FolderNames(const std::string& folder) {
    std::error_code error;
    std::vector<std::string> names;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error))
        names.push_back(entry->path().filename().string());
    if (error)
        return std::nullopt;
    std::sort(names.begin(), names.end());
    return names;
}

CheckResult CheckPaths(const std::vector<std::string>& paths) {
    CheckResult result;
    for (const std::string& path : paths)
        CheckPath(result, path);
    return result;
}

std::string FindingLine(const PathFinding& reported) {
    const Finding& finding = reported.finding;
    std::string line = TerminalText(reported.path) + ":";
    if (finding.row > 0)
        line += std::to_string(finding.row) + ":" + std::to_string(finding.column) + ":";
    return line + " " + SeverityName(finding.severity) + ": " + TerminalText(finding.text);
}

std::string SummaryLine(const CheckResult& result) {
    const int unreadable = static_cast<int>(result.unreadable.size());
    return Counted(result.filesChecked, "file") +
           " checked: " + Counted(Count(result, Finding::Severity::Error), "error") + ", " +
           Counted(Count(result, Finding::Severity::Warning), "warning") +
           (unreadable > 0 ? ", " + Counted(unreadable, "path") + " unreadable" : "");
}

std::string JsonDocument(const CheckResult& result) {
    const int unreadable = static_cast<int>(result.unreadable.size());
    std::string json =
        "{\"files\": " + std::to_string(result.filesChecked) +
        ", \"errors\": " + std::to_string(Count(result, Finding::Severity::Error) + unreadable) +
        ", \"warnings\": " + std::to_string(Count(result, Finding::Severity::Warning)) +
        ", \"unreadable\": " + std::to_string(unreadable) + ", \"findings\": [";
    const char* separator = "\n  ";
    auto add = [&json, &separator](const std::string& path, const std::string& row,
                                   const std::string& column, const char* severity,
                                   const std::string& text) {
        json += separator;
        json += "{\"path\": " + JsonString(path) + ", \"row\": " + row + ", \"column\": " + column +
                ", \"severity\": \"" + severity + "\", \"text\": " + JsonString(text) + "}";
        separator = ",\n  ";
    };
    for (const UnreadablePath& path : result.unreadable)
        add(path.path, "null", "null", "error", "cannot be read: " + path.reason);
    for (const PathFinding& reported : result.findings) {
        const Finding& finding = reported.finding;
        const bool placed = finding.row > 0;
        add(reported.path, placed ? std::to_string(finding.row) : "null",
            placed ? std::to_string(finding.column) : "null", SeverityName(finding.severity),
            finding.text);
    }
    const bool empty = result.findings.empty() && result.unreadable.empty();
    return json + (empty ? "]}" : "\n]}");
}

std::string CheckReport(const CheckResult& result, CheckOutput output) {
    if (output == CheckOutput::Json)
        return JsonDocument(result) + '\n';
    std::string report;
    if (output == CheckOutput::Lines)
        for (const PathFinding& reported : result.findings)
            report += FindingLine(reported) + '\n';
    return report + SummaryLine(result) + '\n';
}

std::string UnreadableLines(const CheckResult& result) {
    std::string lines;
    for (const UnreadablePath& path : result.unreadable)
        lines +=
            "zapmaze-levels: cannot read " + TerminalText(path.path) + ": " + path.reason + '\n';
    return lines;
}

int CheckStatus(const CheckResult& result, bool strict) {
    if (!result.unreadable.empty())
        return 2;
    if (Count(result, Finding::Severity::Error) > 0)
        return 1;
    return strict && Count(result, Finding::Severity::Warning) > 0 ? 1 : 0;
}
