// zapmaze-levels as a user runs it, whole processes from start to exit, beside /bin/true as the
// yardstick of starting a process at all: check of one level within 2x /bin/true, render within
// 4x, check of a folder of 10,000 files within 50 ms and of a 200 MB file without line ends
// within 2x /bin/true; check over 10,000 level files named one by one within 1 s; analyse of
// one level and render of a 128-pixel thumbnail as check and render. The peak memory and CPU time
// of each run are reported too.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "level/LevelText.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int LevelFileCount = 10000;
constexpr std::uintmax_t HugeFileSize = 200u * 1024 * 1024;

class ScratchFolder {
public:
    ScratchFolder()
        : path_(fs::temp_directory_path() /
                ("zapmaze-levels-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(path_ / "many");
        LevelGrid grid{};
        PlayerStarts starts;
        ResetToDefaultLevel(grid, starts);
        const std::string text = LevelText(grid);
        for (int index = 1; index <= LevelFileCount; ++index) {
            const std::string name = index <= 10 ? "L" + std::to_string(index) + ".txt"
                                                 : "level-" + std::to_string(index) + ".txt";
            std::ofstream(path_ / "many" / name, std::ios::binary) << text;
            manyFiles_.push_back((path_ / "many" / name).string());
        }
        std::ofstream(path_ / "L1.txt", std::ios::binary) << text;
        std::ofstream huge(path_ / "huge.txt", std::ios::binary);
        const std::string block(1 << 20, '*');
        for (std::uintmax_t written = 0; written < HugeFileSize; written += block.size())
            huge << block;
    }
    ~ScratchFolder() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::vector<std::string>& ManyFiles() const { return manyFiles_; }

private:
    fs::path path_;
    std::vector<std::string> manyFiles_;
};

ScratchFolder& Scratch() {
    static ScratchFolder folder;
    return folder;
}

std::string Program() {
    return (fs::canonical("/proc/self/exe").parent_path() / "../levelset/zapmaze-levels").string();
}

struct ChildUsage {
    long peakKilobytes = 0;
    double cpuMilliseconds = 0;
};

double Milliseconds(const timeval& time) {
    return time.tv_sec * 1e3 + time.tv_usec / 1e3;
}

// Runs the program with its output thrown away; returns what the child used.
ChildUsage RunProgram(const std::vector<std::string>& arguments,
                      const std::string& program = Program()) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {usage.ru_maxrss, Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime)};
}

void MeasureRuns(benchmark::State& state, const std::vector<std::string>& arguments,
                 const std::string& program = Program()) {
    long peak = 0;
    double cpu = 0;
    for (auto _ : state) {
        const ChildUsage usage = RunProgram(arguments, program);
        peak = std::max(peak, usage.peakKilobytes);
        cpu += usage.cpuMilliseconds;
    }
    state.counters["peak_kB"] = static_cast<double>(peak);
    // The program's own CPU time per run, which other load on the machine does not inflate.
    state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
}

void BM_TrueYardstick(benchmark::State& state) {
    MeasureRuns(state, {}, "/bin/true");
}
BENCHMARK(BM_TrueYardstick)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_CheckOneLevel(benchmark::State& state) {
    MeasureRuns(state, {"check", Scratch() / "L1.txt"});
}
BENCHMARK(BM_CheckOneLevel)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_CheckTenThousandFiles(benchmark::State& state) {
    std::vector<std::string> arguments{"check", "--quiet"};
    for (const std::string& file : Scratch().ManyFiles())
        arguments.push_back(file);
    MeasureRuns(state, arguments);
}
BENCHMARK(BM_CheckTenThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_CheckFolderOfTenThousandFiles(benchmark::State& state) {
    MeasureRuns(state, {"check", "--quiet", Scratch() / "many"});
}
BENCHMARK(BM_CheckFolderOfTenThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_CheckHugeFileWithoutLineEnds(benchmark::State& state) {
    MeasureRuns(state, {"check", Scratch() / "huge.txt"});
}
BENCHMARK(BM_CheckHugeFileWithoutLineEnds)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_RenderOneLevel(benchmark::State& state) {
    MeasureRuns(state, {"render", Scratch() / "L1.txt", "-o", Scratch() / "out.png"});
}
BENCHMARK(BM_RenderOneLevel)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_RenderOneLevelScaledBy4(benchmark::State& state) {
    MeasureRuns(state,
                {"render", Scratch() / "L1.txt", "-o", Scratch() / "out.png", "--scale", "4"});
}
BENCHMARK(BM_RenderOneLevelScaledBy4)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_RenderThumbnail(benchmark::State& state) {
    MeasureRuns(state,
                {"render", "--size", "128", Scratch() / "L1.txt", "-o", Scratch() / "thumb.png"});
}
BENCHMARK(BM_RenderThumbnail)->Unit(benchmark::kMillisecond)->Iterations(50);

void BM_AnalyseOneLevel(benchmark::State& state) {
    MeasureRuns(state, {"analyse", Scratch() / "L1.txt"});
}
BENCHMARK(BM_AnalyseOneLevel)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

BENCHMARK_MAIN();
