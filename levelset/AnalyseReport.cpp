#include "levelset/AnalyseReport.h"

#include "level/Counted.h"
#include "level/LevelFileCheck.h"
#include "level/LevelText.h"
#include "levelset/Escape.h"
#include "levelset/LevelInput.h"
#include "levelset/LevelSetCheck.h"

#include <algorithm>
#include <filesystem>

namespace {

constexpr std::array<const char*, 4> MirrorKeys = {"left_right", "top_bottom", "both", "half_turn"};

AnalysedLevel AnalyseFile(const std::string& path, int brickCost) {
    AnalysedLevel level{path, {}, {}, {}};
    const InputLevel input = ReadInputLevel(path);
    if (input.failure != ReadFailure::None) {
        level.unreadable = std::string(ReadFailureText(input.failure));
    } else if (!input.grid) {
        level.findings.push_back(
            {Finding::Severity::Error, 0, 0, FindingRule::NotALevel, HoldsNoLevelMessage});
    } else {
        level.analysis = AnalyseLevel(*input.grid, input.starts, brickCost);
        level.findings = level.analysis->findings;
    }
    return level;
}

void AnalyseFolder(std::vector<AnalysedLevel>& levels, const std::string& folder, int brickCost) {
    const std::optional<std::vector<std::string>> names = FolderNames(folder);
    if (!names) {
        levels.push_back({folder, "the folder cannot be listed", {}, {}});
        return;
    }
    for (const std::vector<std::string>& candidates : SortLevelSetFiles(*names).levels)
        for (const std::string& name : candidates)
            levels.push_back(
                AnalyseFile((std::filesystem::path(folder) / name).string(), brickCost));
}

std::string OrDash(const std::optional<int>& value) {
    return value ? std::to_string(*value) : "-";
}

std::string Table(const AnalysedLevel& level) {
    const LevelAnalysis& analysis = *level.analysis;
    std::string table =
        TerminalText(level.path) + ", brick cost " + std::to_string(analysis.brickCost) + ":\n";
    table += "  player  row:col  nearest   cost  open path   room  territory\n";
    for (const StartAnalysis& start : analysis.starts) {
        const std::string cell =
            std::to_string(start.cell.row + 1) + ":" + std::to_string(start.cell.column + 1);
        table +=
            Printed("  %-6d  %-7s  %-7s  %5s  %-9s  %5d  %9d\n", start.player + 1, cell.c_str(),
                    start.nearest ? std::to_string(start.nearest->player + 1).c_str() : "-",
                    start.nearest ? std::to_string(start.nearest->cost).c_str() : "-",
                    start.openPath ? "yes" : "no", start.room, start.territory);
    }
    table += Printed(
        "  %-24s  %5s  %-9s  %5s  %9s\n", "spread", OrDash(analysis.spread.nearest).c_str(), "",
        OrDash(analysis.spread.room).c_str(), OrDash(analysis.spread.territory).c_str());
    table += "  symmetry:";
    for (const Mirror mirror : Mirrors)
        table += Printed(" %s %.1f%%", MirrorName(mirror).c_str(), 100 * analysis.Share(mirror));
    return table + "\n";
}

std::string JsonOptional(const std::optional<int>& value) {
    return value ? std::to_string(*value) : "null";
}

std::string JsonStart(const StartAnalysis& start) {
    return "{\"player\": " + std::to_string(start.player + 1) +
           ", \"column\": " + std::to_string(start.cell.column + 1) +
           ", \"row\": " + std::to_string(start.cell.row + 1) + ", \"nearest\": " +
           (start.nearest ? "{\"player\": " + std::to_string(start.nearest->player + 1) +
                                ", \"cost\": " + std::to_string(start.nearest->cost) + "}"
                          : std::string("null")) +
           ", \"open_path\": " + (start.openPath ? "true" : "false") +
           ", \"room\": " + std::to_string(start.room) +
           ", \"territory\": " + std::to_string(start.territory) + "}";
}

template <typename Item, typename Write>
std::string JsonList(const std::vector<Item>& items, const char* separator, Write write) {
    std::string json = "[";
    for (std::size_t at = 0; at < items.size(); ++at)
        json += (at == 0 ? "" : separator) + write(items[at]);
    return json + "]";
}

std::string JsonLevel(const AnalysedLevel& level, int brickCost) {
    const LevelAnalysis* analysis = level.analysis ? &*level.analysis : nullptr;
    std::vector<Finding> findings = level.findings;
    if (level.unreadable)
        findings.push_back(UnreadableFinding(*level.unreadable));
    std::string json = "{\"path\": " + JsonString(level.path) +
                       ", \"brick_cost\": " + std::to_string(brickCost) + ",\n   \"players\": ";
    json += analysis ? JsonList(analysis->starts, ",\n               ", JsonStart) : "[]";
    const AnalysisSpread spread = analysis ? analysis->spread : AnalysisSpread{};
    json += ",\n   \"spread\": {\"nearest\": " + JsonOptional(spread.nearest) +
            ", \"room\": " + JsonOptional(spread.room) +
            ", \"territory\": " + JsonOptional(spread.territory) + "},\n   \"symmetry\": ";
    if (analysis) {
        json += "{";
        for (const Mirror mirror : Mirrors)
            json += Printed("%s\"%s\": %.6g", mirror == Mirrors.front() ? "" : ", ",
                            MirrorKeys[static_cast<int>(mirror)], analysis->Share(mirror));
        json += "}";
    } else {
        json += "null";
    }
    json += ",\n   \"findings\": " +
            JsonList(findings, ",\n                ", [](const Finding& finding) {
                return "{" + JsonFindingMembers(finding) + "}";
            });
    return json + "}";
}

} // namespace

std::vector<AnalysedLevel> AnalysePaths(const std::vector<std::string>& paths, int brickCost) {
    std::vector<AnalysedLevel> levels;
    for (const std::string& path : paths) {
        std::error_code error;
        if (!IsStandardInput(path) && std::filesystem::is_directory(path, error))
            AnalyseFolder(levels, path, brickCost);
        else
            levels.push_back(AnalyseFile(path, brickCost));
    }
    return levels;
}

std::string AnalyseReport(const std::vector<AnalysedLevel>& levels, ReportFormat format,
                          int brickCost) {
    if (format == ReportFormat::Json)
        return "{\"levels\": " +
               JsonList(levels, ",\n  ",
                        [brickCost](const AnalysedLevel& level) {
                            return JsonLevel(level, brickCost);
                        }) +
               "}\n";
    std::string report;
    for (const AnalysedLevel& level : levels) {
        if (format == ReportFormat::Github && level.unreadable)
            report += UnreadableAnnotation(level.path, *level.unreadable) + '\n';
        if (format == ReportFormat::Text && level.analysis)
            report += Table(level);
        for (const Finding& finding : level.findings)
            report += FindingLine(level.path, finding, format) + '\n';
    }
    const FindingTally tally = TallyOf(levels);
    return report + Counted(static_cast<int>(levels.size()) - tally.unreadable, "level") +
           " analysed: " + TallyText(tally) + "\n";
}

std::string AnalyseUnreadableLines(const std::vector<AnalysedLevel>& levels) {
    std::string lines;
    for (const AnalysedLevel& level : levels)
        if (level.unreadable)
            lines += CannotReadLine(level.path, *level.unreadable);
    return lines;
}

FindingTally TallyOf(const std::vector<AnalysedLevel>& levels) {
    FindingTally tally;
    for (const AnalysedLevel& level : levels) {
        tally.unreadable += level.unreadable ? 1 : 0;
        tally.Add(level.findings);
    }
    return tally;
}
