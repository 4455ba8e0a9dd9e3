// Opening and closing the Settings dialog over and over: the time one opening takes and the
// resident memory it leaves behind. Run it in a real window as well (QT_QPA_PLATFORM=xcb under
// Xvfb): there the window icon is handed to the window system at every opening.
#include "settings/SettingsDlg.h"
#include "settings/SettingsRecord.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

void OpenAndCloseSettings(SettingsRecord& settings) {
    CSettingsDlg dialog(settings);
    dialog.show();
    QApplication::processEvents();
    dialog.reject();
    QApplication::processEvents();
}

void SettingsOpening(benchmark::State& state) {
    SettingsRecord settings;
    for (int warmUp = 0; warmUp < 50; ++warmUp)
        OpenAndCloseSettings(settings);
    const long before = ResidentKilobytes();
    long openings = 0;
    for (auto _ : state) {
        OpenAndCloseSettings(settings);
        ++openings;
    }
    state.counters["rss_growth_B_per_opening"] =
        1024.0 * static_cast<double>(ResidentKilobytes() - before) / static_cast<double>(openings);
}
BENCHMARK(SettingsOpening)->Iterations(2000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
