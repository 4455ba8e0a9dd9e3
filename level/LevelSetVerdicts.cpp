#include "level/LevelSetVerdicts.h"

#include "files/FolderListing.h"
#include "level/Counted.h"
#include "level/LevelFileCheck.h"
#include "level/LevelText.h"

#include <algorithm>

namespace {

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

void Judge(SlotVerdict& slot) {
    // One byte past the longest level shows whether more lines follow, as check reads it.
    const FileStart read = ReadFileStart(slot.path, LongestLevelFile + 1);
    if (read.failure != ReadFailure::None) {
        slot.kind = SlotVerdict::Kind::Unreadable;
        slot.reason = ReadFailureText(read.failure);
        return;
    }
    slot.stamp = StampOf(read.status, read.bytes);
    slot.settled = IsSettled(slot.stamp, NanosecondsNow());
    slot.findings = CheckLevelBytes(read.bytes, slot.grid);
    FindingTally tally;
    tally.Add(slot.findings);
    slot.kind = tally.errors > 0     ? SlotVerdict::Kind::Errors
                : tally.warnings > 0 ? SlotVerdict::Kind::Warnings
                                     : SlotVerdict::Kind::Ok;
    slot.count = tally.errors > 0 ? tally.errors : tally.warnings;
}

// Whether the previous slot still holds for the file at path.
bool StillHolds(const SlotVerdict& previous, const std::string& path) {
    if (previous.path != path || previous.kind == SlotVerdict::Kind::Missing ||
        previous.kind == SlotVerdict::Kind::Unreadable || !previous.settled)
        return false;
    const std::optional<FileStamp> now = StampOfPath(path);
    return now && SameFileStatus(*now, previous.stamp);
}

bool SameVerdict(const SlotVerdict& a, const SlotVerdict& b) {
    return a.kind == b.kind && a.count == b.count && a.path == b.path &&
           a.otherFiles == b.otherFiles && a.reason == b.reason && a.findings == b.findings &&
           a.grid == b.grid;
}

} // namespace

std::string SlotVerdict::Text() const {
    if (kind == Kind::Warnings || kind == Kind::Errors)
        return Counted(count, kind == Kind::Errors ? "error" : "warning");
    return kind == Kind::Ok ? "ok" : kind == Kind::Missing ? "missing" : "unreadable";
}

LevelSetVerdicts JudgeLevelSet(const std::string& folder, const LevelSetVerdicts& previous) {
    LevelSetVerdicts verdicts;
    verdicts.folder = folder;
    const std::optional<std::vector<std::string>> names = FolderNames(folder);
    verdicts.listed = names.has_value();
    const LevelSetFiles files = SortLevelSetFiles(names.value_or(std::vector<std::string>{}));
    const bool sameFolder = previous.folder == folder;
    for (int index = 0; index < LevelSetSize; ++index) {
        SlotVerdict& slot = verdicts.levels[index];
        const std::vector<std::string>& candidates = files.levels[index];
        const SlotVerdict* before = sameFolder ? &previous.levels[index] : nullptr;
        slot.level = index + 1;
        slot.path = InFolder(folder, candidates.empty() ? "L" + std::to_string(index + 1) + ".txt"
                                                        : candidates.front());
        if (!candidates.empty() && before && StillHolds(*before, slot.path)) {
            slot = *before;
        } else if (!candidates.empty()) {
            Judge(slot);
            ++verdicts.filesRead;
        }
        slot.otherFiles.clear();
        for (std::size_t other = 1; other < candidates.size(); ++other)
            slot.otherFiles.push_back(InFolder(folder, candidates[other]));
        slot.changed = !before || !SameVerdict(slot, *before);
    }
    return verdicts;
}
