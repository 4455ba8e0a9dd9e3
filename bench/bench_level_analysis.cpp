// The pure level code that windows run on every change: the fairness analysis of one level, as
// the editor's analysis window runs it after every change and zapmaze-levels analyse for every
// file (at most 1 ms; it should take microseconds), and the verdicts on a folder's ten levels,
// first read and rescanned unchanged, as the Level Set window rescans on every change of its
// folder. Links the level library alone, no Qt.
#include <benchmark/benchmark.h>

#include "level/LevelAnalysis.h"
#include "level/LevelSetVerdicts.h"
#include "level/LevelText.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

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

// Ten levels in a folder of their own under ZM_BENCH_DIR or the system's temporary folder, an
// hour old so that their stamps are settled.
class SetFolder {
public:
    SetFolder() {
        const char* chosen = std::getenv("ZM_BENCH_DIR");
        Path = (chosen && *chosen ? std::filesystem::path(chosen)
                                  : std::filesystem::temp_directory_path()) /
               ("zapmaze-set-bench-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(Path);
        const SampleLevel level;
        for (int number = 1; number <= LevelSetSize; ++number) {
            const auto file = Path / ("L" + std::to_string(number) + ".txt");
            std::ofstream(file, std::ios::binary) << LevelText(level.grid);
            std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) -
                                                       std::chrono::hours(1));
        }
    }
    ~SetFolder() {
        std::error_code error;
        std::filesystem::remove_all(Path, error);
    }
    std::string Folder() const { return Path.string(); }

private:
    std::filesystem::path Path;
};

void BM_JudgeLevelSet(benchmark::State& state) {
    const SetFolder set;
    for (auto _ : state)
        benchmark::DoNotOptimize(JudgeLevelSet(set.Folder()));
}
BENCHMARK(BM_JudgeLevelSet)->Unit(benchmark::kMicrosecond);

void BM_RescanUnchangedLevelSet(benchmark::State& state) {
    const SetFolder set;
    const LevelSetVerdicts first = JudgeLevelSet(set.Folder());
    for (auto _ : state)
        benchmark::DoNotOptimize(JudgeLevelSet(set.Folder(), first));
    state.counters["files_read"] = JudgeLevelSet(set.Folder(), first).filesRead;
}
BENCHMARK(BM_RescanUnchangedLevelSet)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
