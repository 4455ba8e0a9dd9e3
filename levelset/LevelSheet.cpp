#include "levelset/LevelSheet.h"

#include "level/LevelSetVerdicts.h"

namespace {

// Warnings do not fail the check.
SheetEntry::State StateOf(SlotVerdict::Kind kind) {
    using enum SlotVerdict::Kind;
    return kind == Errors       ? SheetEntry::State::Fails
           : kind == Missing    ? SheetEntry::State::Missing
           : kind == Unreadable ? SheetEntry::State::Unreadable
                                : SheetEntry::State::Passes;
}

} // namespace

std::optional<LevelSheet> ReadLevelSheet(const std::string& folder) {
    const LevelSetVerdicts verdicts = JudgeLevelSet(folder);
    if (!verdicts.listed)
        return std::nullopt;
    LevelSheet sheet;
    for (int index = 0; index < LevelSetSize; ++index) {
        const SlotVerdict& slot = verdicts.levels[index];
        sheet.entries[index] = {slot.path.substr(slot.path.rfind('/') + 1), StateOf(slot.kind),
                                slot.grid};
        if (slot.kind == SlotVerdict::Kind::Unreadable)
            sheet.unreadable.push_back({slot.path, slot.reason});
        if (slot.kind != SlotVerdict::Kind::Missing)
            sheet.inputs.push_back(slot.path);
        sheet.inputs.insert(sheet.inputs.end(), slot.otherFiles.begin(), slot.otherFiles.end());
    }
    return sheet;
}
