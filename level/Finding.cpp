#include "level/Finding.h"

Finding FindingAtCell(Finding::Severity severity, Cell cell, std::string_view rule,
                      std::string text) {
    return {severity, cell.row + 1, cell.column + 1, rule, std::move(text)};
}

Cell CellOfFinding(const Finding& finding) {
    if (finding.row < 1 || finding.row > GridRows || finding.column < 1 ||
        finding.column > GridColumns)
        return NoCell;
    return {finding.column - 1, finding.row - 1};
}
