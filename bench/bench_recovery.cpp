// The recovery file of unsaved changes. Its write (the record encoded, a temporary file, fsync,
// rename, fsync of the folder) runs on the writer's thread, at most a few times a second; its
// CPU and wall time here show what that thread spends. The folder lies under ZM_BENCH_DIR, or
// else the system's temporary folder: the file system beneath decides what a durable write
// costs. The part left on the window's thread is encoding the level and handing it over.
#include <benchmark/benchmark.h>

#include "files/RecoveryWriter.h"
#include "level/RecoveryRecord.h"

#include <cstdlib>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

fs::path ScratchFolder() {
    const char* chosen = std::getenv("ZM_BENCH_DIR");
    const fs::path parent = chosen && *chosen ? fs::path(chosen) : fs::temp_directory_path();
    return parent / ("zapmaze-bench-" + std::to_string(std::random_device{}()));
}

RecoveryRecord SampleRecord() {
    RecoveryRecord record{{}, "/home/designer/levels/L10.txt", 1'700'000'000, FileStamp{}};
    ResetToDefaultLevel(record.level.grid, record.level.starts);
    record.level.grid[4][4] = Brick;
    return record;
}

void WriteRecoveryFile(benchmark::State& state) {
    const fs::path folder = ScratchFolder();
    const RecoveryFolder opened = RecoveryFolder::Open(folder.string());
    std::optional<RecoverySlot> slot = RecoverySlot::Create(opened);
    RecoveryRecord record = SampleRecord();
    for (auto _ : state) {
        ++record.savedAt;
        if (!slot || !slot->Write(*EncodeRecovery(record)))
            state.SkipWithError("the recovery file could not be written");
    }
    if (slot)
        slot->Discard();
    std::error_code error;
    fs::remove_all(folder, error);
}
BENCHMARK(WriteRecoveryFile)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void EncodeAndHandOver(benchmark::State& state) {
    const fs::path folder = ScratchFolder();
    RecoveryWriter writer(folder.string());
    RecoveryRecord record = SampleRecord();
    for (auto _ : state) {
        ++record.savedAt;
        writer.Post(*EncodeRecovery(record));
    }
    writer.DiscardNow();
    std::error_code error;
    fs::remove_all(folder, error);
}
BENCHMARK(EncodeAndHandOver)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
