#include "levelset/FindingOutput.h"

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
    if (name == "text")
        return ReportFormat::Text;
    if (name == "gcc")
        return ReportFormat::Gcc;
    if (name == "json")
        return ReportFormat::Json;
    if (name == "github")
        return ReportFormat::Github;
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

std::string UnreadableAnnotation(const std::string& path, const std::string& reason) {
    return GithubLine(path, {Finding::Severity::Error, 0, 0, FindingRule::Unreadable,
                             "cannot be read: " + reason});
}

std::string JsonFindingMembers(const Finding& finding) {
    const bool placed = finding.row > 0;
    return "\"row\": " + (placed ? std::to_string(finding.row) : "null") +
           ", \"column\": " + (placed ? std::to_string(finding.column) : "null") +
           ", \"severity\": \"" + SeverityName(finding.severity) + "\", \"rule\": \"" +
           std::string(finding.rule) + "\", \"text\": " + JsonString(finding.text);
}
