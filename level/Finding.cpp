#include "level/Finding.h"

Finding FindingAtCell(Finding::Severity severity, Cell cell, std::string_view rule,
                      std::string text) {
    return {severity, cell.row + 1, cell.column + 1, rule, std::move(text)};
}

void FindingTally::Add(const Finding& finding) {
    ++(finding.severity == Finding::Severity::Error ? errors : warnings);
}

void FindingTally::Add(const std::vector<Finding>& findings) {
    for (const Finding& finding : findings)
        Add(finding);
}

Cell CellOfFinding(const Finding& finding) {
    const Cell cell{finding.column - 1, finding.row - 1};
    return IsInGrid(cell) ? cell : NoCell;
}
