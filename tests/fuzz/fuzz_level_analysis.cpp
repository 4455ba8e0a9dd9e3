// Any bytes read as a level and analysed, with a brick cost from the first byte: the analysis
// never reads out of bounds and gives numbers within their ranges, findings only at placed
// starts, and the same shares for the level turned half way round.
#include "level/LevelAnalysis.h"
#include "level/LevelText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// The numbers of a start within their ranges.
bool InRange(const LevelAnalysis& analysis, const StartAnalysis& start) {
    const int most = GridColumns * GridRows;
    return start.room >= 0 && start.room <= 12 && start.territory >= 0 && start.territory <= most &&
           (start.nearest || !start.openPath) &&
           (!start.nearest || (start.nearest->player != start.player && start.nearest->cost >= 1 &&
                               start.nearest->cost <= most * analysis.brickCost));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int brickCost = data[0] % 100 + 1;
    LevelGrid grid;
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    ReadLevelBytes(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), grid, starts);
    const LevelAnalysis analysis = AnalyseLevel(grid, starts, brickCost);
    Require(analysis.brickCost == brickCost);
    int territory = 0;
    for (const StartAnalysis& start : analysis.starts) {
        Require(InRange(analysis, start));
        territory += start.territory;
    }
    Require(territory <= GridColumns * GridRows);
    for (const Finding& finding : analysis.findings)
        Require(CellOfFinding(finding) != NoCell);
    for (const Mirror mirror : Mirrors)
        Require(analysis.Share(mirror) >= 0 && analysis.Share(mirror) <= 1);

    LevelGrid turned;
    for (int column = 0; column < GridColumns; ++column)
        for (int row = 0; row < GridRows; ++row)
            turned[GridColumns - 1 - column][GridRows - 1 - row] = grid[column][row];
    Require(AnalyseLevel(turned, {}, brickCost).symmetricCells == analysis.symmetricCells);
    return 0;
}
