// Reading and writing level files: one level should take well under 50 us either way, and a
// 200 MB file without line ends must be given up at once, without reading it into memory.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "level/LevelText.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t HugeFileSize = 200u * 1024 * 1024;

LevelGrid SampleLevel() {
    LevelGrid grid{};
    PlayerStarts starts;
    ResetToDefaultLevel(grid, starts);
    for (int column = 2; column < GridColumns - 1; column += 2)
        for (int row = 2; row < GridRows - 1; row += 2)
            grid[column][row] = SolidBlock;
    grid[1][1] = Player1;
    grid[13][11] = Player2;
    grid[5][3] = Brick;
    return grid;
}

// A folder of its own under ZM_BENCH_DIR, or else the system's temporary folder, removed when
// the run ends. The file system beneath decides what a durable write costs.
fs::path ScratchParent() {
    const char* chosen = std::getenv("ZM_BENCH_DIR");
    return chosen && *chosen ? fs::path(chosen) : fs::temp_directory_path();
}

class ScratchFolder {
public:
    ScratchFolder()
        : path_(ScratchParent() / ("zapmaze-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    fs::path operator/(const std::string& name) const { return path_ / name; }

private:
    fs::path path_;
};

ScratchFolder& Scratch() {
    static ScratchFolder folder;
    return folder;
}

// The kB value of one line of /proc/self/status, such as "VmHWM" or "VmRSS".
long StatusKilobytes(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key + ":", 0) == 0)
            return std::stol(line.substr(key.size() + 1));
    return -1;
}

// Starts a new peak resident-size measurement (Linux: writing 5 to clear_refs resets VmHWM).
void ResetPeakResidentSize() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void ReadLevelFromMemory(benchmark::State& state) {
    const std::string text = LevelText(SampleLevel());
    for (auto _ : state) {
        LevelGrid grid{};
        PlayerStarts starts;
        ReadLevelBytes(text, grid, starts);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(ReadLevelFromMemory);

void ReadLevelFromFile(benchmark::State& state) {
    const std::string path = (Scratch() / "read.txt").string();
    WriteLevelFile(path, SampleLevel());
    for (auto _ : state) {
        LevelGrid grid{};
        PlayerStarts starts;
        ReadLevelFile(path, grid, starts);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(ReadLevelFromFile);

// The whole save: temporary file, fsync, rename, fsync of the folder and the sweep of stale
// temporary files, in a folder that holds range(0) other files (a full level directory).
void WriteLevelToFile(benchmark::State& state) {
    const fs::path folder = Scratch() / ("write-" + std::to_string(state.range(0)));
    fs::create_directories(folder);
    for (int file = 0; file < state.range(0); ++file)
        std::ofstream(folder / ("other-" + std::to_string(file) + ".txt")) << "other";
    const std::string path = (folder / "L1.txt").string();
    const LevelGrid grid = SampleLevel();
    for (auto _ : state)
        if (!WriteLevelFile(path, grid))
            state.SkipWithError("the level could not be written");
}
BENCHMARK(WriteLevelToFile)->Arg(0)->Arg(1000)->MeasureProcessCPUTime()->UseRealTime();

// The same replacement without forcing anything to the disk, as the yardstick for what the two
// fsync calls cost.
void WriteLevelWithoutSync(benchmark::State& state) {
    const fs::path path = Scratch() / "unsynced.txt";
    const fs::path temporary = Scratch() / ".unsynced.tmp";
    const std::string text = LevelText(SampleLevel());
    for (auto _ : state) {
        std::ofstream(temporary, std::ios::binary) << text;
        fs::rename(temporary, path);
    }
}
BENCHMARK(WriteLevelWithoutSync)->MeasureProcessCPUTime()->UseRealTime();

// What Save adds before it writes: the stamp of the level file as it is now (one open, one
// fstat, one read of 221 bytes), compared with the one the editor remembers.
void CheckLevelFileUnchanged(benchmark::State& state) {
    const std::string path = (Scratch() / "checked.txt").string();
    const FileStamp remembered = WriteLevelFile(path, SampleLevel()).stamp;
    for (auto _ : state) {
        const std::optional<FileStamp> now = LevelFileStampNow(path);
        if (!now || !HoldsSameAs(remembered, *now))
            state.SkipWithError("the file counts as changed");
    }
}
BENCHMARK(CheckLevelFileUnchanged)->MeasureProcessCPUTime()->UseRealTime();

void ReadHugeFileWithoutLineEnds(benchmark::State& state) {
    const fs::path path = Scratch() / "huge.txt";
    std::ofstream(path, std::ios::binary) << std::string(4096, '-');
    fs::resize_file(path, HugeFileSize); // sparse: the rest reads as zero bytes
    ResetPeakResidentSize();
    const long residentBefore = StatusKilobytes("VmRSS");
    for (auto _ : state) {
        LevelGrid grid{};
        PlayerStarts starts;
        ReadLevelFile(path.string(), grid, starts);
        benchmark::DoNotOptimize(grid);
    }
    state.counters["peak_rss_growth_kB"] =
        static_cast<double>(StatusKilobytes("VmHWM") - residentBefore);
    fs::remove(path);
}
BENCHMARK(ReadHugeFileWithoutLineEnds);

} // namespace

BENCHMARK_MAIN();
