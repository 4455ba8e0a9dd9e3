#include "levelset/LevelSheet.h"

#include <algorithm>
#include <filesystem>

namespace {

// One level of the set as the sheet shows it: the first of its files when it has several.
SheetEntry SheetEntryFor(const std::string& folder, const std::vector<std::string>& candidates,
                         int level, LevelSheet& sheet) {
    SheetEntry entry;
    entry.name = candidates.empty() ? "L" + std::to_string(level) + ".txt" : candidates.front();
    if (candidates.empty())
        return entry;
    const std::string path = (std::filesystem::path(folder) / entry.name).string();
    const CheckedLevelFile checked = CheckLevelFile(path);
    if (checked.failure != ReadFailure::None) {
        sheet.unreadable.push_back({path, std::string(ReadFailureText(checked.failure))});
        entry.state = SheetEntry::State::Unreadable;
        return entry;
    }
    const bool fails =
        std::any_of(checked.findings.begin(), checked.findings.end(),
                    [](const Finding& f) { return f.severity == Finding::Severity::Error; });
    entry.state = fails ? SheetEntry::State::Fails : SheetEntry::State::Passes;
    entry.grid = checked.grid;
    return entry;
}

} // namespace

std::optional<LevelSheet> ReadLevelSheet(const std::string& folder) {
    const std::optional<std::vector<std::string>> names = FolderNames(folder);
    if (!names)
        return std::nullopt;
    const LevelSetFiles files = SortLevelSetFiles(*names);
    LevelSheet sheet;
    for (int level = 1; level <= 10; ++level) {
        const std::vector<std::string>& candidates = files.levels[level - 1];
        sheet.entries[level - 1] = SheetEntryFor(folder, candidates, level, sheet);
        for (const std::string& name : candidates)
            sheet.inputs.push_back((std::filesystem::path(folder) / name).string());
    }
    return sheet;
}
