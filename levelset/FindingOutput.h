#pragma once
// Findings printed for people, for editors and for CI: the formats that check and analyse
// share.
#include "level/Finding.h"

#include <optional>
#include <string>

// text: "<path>:<row>:<column>: <severity>: <text> [<rule>]"; gcc: the same without the rule;
// json: one document; github: workflow annotations, "::error file=<path>,line=<row>,
// col=<column>::<text> [<rule>]". Row and column are left out where a finding has no place.
enum class ReportFormat { Text, Gcc, Json, Github };

// The format named on the command line, or nothing for an unknown name.
std::optional<ReportFormat> ReportFormatNamed(const std::string& name);

const char* SeverityName(Finding::Severity severity);

// One finding about path as a line (without its line end) in a format other than json; every
// text from the file system is shown escaped.
std::string FindingLine(const std::string& path, const Finding& finding, ReportFormat format);

// A path that could not be read as a github annotation.
std::string UnreadableAnnotation(const std::string& path, const std::string& reason);

// The members of a finding's JSON object: "row", "column" (null where it has no place),
// "severity", "rule" and "text".
std::string JsonFindingMembers(const Finding& finding);
