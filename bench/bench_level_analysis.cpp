// The fairness analysis of one level, as the editor's analysis window runs it after every change
// and zapmaze-levels analyse for every file: at most 1 ms, and it should take microseconds.
// Links the level library alone, no Qt.
#include <benchmark/benchmark.h>

#include "level/LevelAnalysis.h"

namespace {

// Five starts in the corners and the middle, solid blocks where column and row are both even,
// a row of bricks: every start reaches the others, through bricks or around them.
struct SampleLevel {
    LevelGrid grid{};
    PlayerStarts starts;
    SampleLevel() {
        ResetToDefaultLevel(grid, starts);
        for (int column = 2; column < GridColumns - 1; column += 2)
            for (int row = 2; row < GridRows - 1; row += 2)
                grid[column][row] = SolidBlock;
        for (int column = 1; column < GridColumns - 1; ++column)
            if (grid[column][5] != SolidBlock)
                grid[column][5] = Brick;
        const Cell cells[PlayerCount] = {{1, 1}, {13, 1}, {1, 11}, {13, 11}, {7, 7}};
        for (int player = 0; player < PlayerCount; ++player) {
            grid[cells[player].column][cells[player].row] = TileOfPlayer(player);
            starts.placed[player] = true;
            starts.position[player] = cells[player];
        }
    }
};

void BM_AnalyseOneLevel(benchmark::State& state) {
    const SampleLevel level;
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalyseLevel(level.grid, level.starts, DefaultBrickCost));
}
BENCHMARK(BM_AnalyseOneLevel)->Unit(benchmark::kMicrosecond);

// The default level with one start: the largest open area a single start can have.
void BM_AnalyseOpenLevelOneStart(benchmark::State& state) {
    LevelGrid grid{};
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    grid[1][1] = Player1;
    starts.placed[0] = true;
    starts.position[0] = {1, 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(AnalyseLevel(grid, starts, DefaultBrickCost));
}
BENCHMARK(BM_AnalyseOpenLevelOneStart)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
