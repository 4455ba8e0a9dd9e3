#pragma once
// One finding about a level: from the check of a level file's text and the save checks, or
// from the analysis of a level's fairness. Both programs show findings, so their places, rule
// ids and texts are defined here once.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "level/Level.h"

// Row and column count from 1 and name a line and a character of the file, which for a grid
// cell is its row + 1 and column + 1; 0 means the finding has no such place. The rule is a
// short id that does not change between versions, for scripts to match on.
struct Finding {
    enum class Severity { Error, Warning };
    Severity severity = Severity::Warning;
    int row = 0;
    int column = 0;
    std::string_view rule;
    std::string text;
    bool operator==(const Finding&) const = default;
};

// The findings counted by severity, and the paths that could not be read, which a summary counts
// among the errors.
struct FindingTally {
    int errors = 0;
    int warnings = 0;
    int unreadable = 0;
    void Add(const Finding& finding);
    void Add(const std::vector<Finding>& findings);
};

// A finding placed at a grid cell.
Finding FindingAtCell(Finding::Severity severity, Cell cell, std::string_view rule,
                      std::string text);

// The grid cell of a finding placed at one, or NoCell.
Cell CellOfFinding(const Finding& finding);

// The rule ids, one for each kind of finding.
namespace FindingRule {
inline constexpr std::string_view ByteOrderMark = "byte-order-mark";
inline constexpr std::string_view RowLength = "row-length";
inline constexpr std::string_view UnendedLine = "unended-line";
inline constexpr std::string_view LineCount = "line-count";
inline constexpr std::string_view LineEnds = "line-ends";
inline constexpr std::string_view UnknownCharacter = "unknown-character";
inline constexpr std::string_view RepeatedPlayer = "repeated-player";
inline constexpr std::string_view OpenBorder = "open-border";
inline constexpr std::string_view MissingPlayer = "missing-player";
inline constexpr std::string_view OpenBlock = "open-block";
inline constexpr std::string_view NotALevel = "not-a-level";
inline constexpr std::string_view Name = "name";
inline constexpr std::string_view MissingLevel = "missing-level";
inline constexpr std::string_view SecondFile = "second-file";
inline constexpr std::string_view OutsideSet = "outside-set";
inline constexpr std::string_view Unreadable = "unreadable";
inline constexpr std::string_view WalledIn = "walled-in";
inline constexpr std::string_view NoRoom = "no-room";

inline constexpr std::array All = {
    ByteOrderMark,  RowLength,  UnendedLine,   LineCount,  LineEnds,  UnknownCharacter,
    RepeatedPlayer, OpenBorder, MissingPlayer, OpenBlock,  NotALevel, Name,
    MissingLevel,   SecondFile, OutsideSet,    Unreadable, WalledIn,  NoRoom,
};
} // namespace FindingRule
