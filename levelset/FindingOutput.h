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

// The error finding of a path that could not be read, with no place.
Finding UnreadableFinding(const std::string& reason);

// A path that could not be read as a github annotation.
std::string UnreadableAnnotation(const std::string& path, const std::string& reason);

// "zapmaze-levels: cannot read <path>: <reason>" and its line end, for standard error.
std::string CannotReadLine(const std::string& path, const std::string& reason);

// The tally of check and analyse for their summary line and exit status:
// "<n> errors, <n> warnings", or "<n> errors (<n> paths unreadable), <n> warnings".
std::string TallyText(const FindingTally& tally);

// 2 when a path could not be read, else 1 with an error (with strict, also a warning), else 0.
int TallyStatus(const FindingTally& tally, bool strict);

// The members of a finding's JSON object: "row", "column" (null where it has no place),
// "severity", "rule" and "text".
std::string JsonFindingMembers(const Finding& finding);
