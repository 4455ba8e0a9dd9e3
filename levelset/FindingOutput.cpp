#include "levelset/FindingOutput.h"

#include "level/Counted.h"
#include "levelset/Escape.h"

namespace {

std::string Place(const Finding& finding) {
    return std::to_string(finding.row) + ":" + std::to_string(finding.column) + ":";
}

std::string GithubLine(const std::string& path, const Finding& finding) {
    std::string line =
        std::string("::") + SeverityName(finding.severity) + " file=" + AnnotationProperty(path);
    if (finding.row > 0)
        line += ",line=" + std::to_string(finding.row) + ",col=" + std::to_string(finding.column);
    return line + "::" + AnnotationMessage(finding.text + " [" + std::string(finding.rule) + "]");
}

} // namespace

std::optional<ReportFormat> ReportFormatNamed(const std::string& name) {
    for (const auto& [format, formatName] : {std::pair{ReportFormat::Text, "text"},
                                             {ReportFormat::Gcc, "gcc"},
                                             {ReportFormat::Json, "json"},
                                             {ReportFormat::Github, "github"}})
        if (name == formatName)
            return format;
    return std::nullopt;
}

const char* SeverityName(Finding::Severity severity) {
    return severity == Finding::Severity::Error ? "error" : "warning";
}

std::string FindingLine(const std::string& path, const Finding& finding, ReportFormat format) {
    if (format == ReportFormat::Github)
        return GithubLine(path, finding);
    std::string line = TerminalText(path) + ":" + (finding.row > 0 ? Place(finding) : "") + " " +
                       SeverityName(finding.severity) + ": " + TerminalText(finding.text);
    if (format == ReportFormat::Text)
        line += " [" + std::string(finding.rule) + "]";
    return line;
}

Finding UnreadableFinding(const std::string& reason) {
    return {Finding::Severity::Error, 0, 0, FindingRule::Unreadable, "cannot be read: " + reason};
}

std::string UnreadableAnnotation(const std::string& path, const std::string& reason) {
    return GithubLine(path, UnreadableFinding(reason));
}

std::string CannotReadLine(const std::string& path, const std::string& reason) {
    return "zapmaze-levels: cannot read " + TerminalText(path) + ": " + reason + '\n';
}

std::string TallyText(const FindingTally& tally) {
    return Counted(tally.errors + tally.unreadable, "error") +
           (tally.unreadable > 0 ? " (" + Counted(tally.unreadable, "path") + " unreadable)" : "") +
           ", " + Counted(tally.warnings, "warning");
}

int TallyStatus(const FindingTally& tally, bool strict) {
    if (tally.unreadable > 0)
        return 2;
    return tally.errors > 0 || (strict && tally.warnings > 0) ? 1 : 0;
}

std::string JsonFindingMembers(const Finding& finding) {
    const bool placed = finding.row > 0;
    return "\"row\": " + (placed ? std::to_string(finding.row) : "null") +
           ", \"column\": " + (placed ? std::to_string(finding.column) : "null") +
           ", \"severity\": \"" + SeverityName(finding.severity) + "\", \"rule\": \"" +
           std::string(finding.rule) + "\", \"text\": " + JsonString(finding.text);
}
