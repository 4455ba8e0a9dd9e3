// Showing the Level Set window with ten levels in the folder, goal 50 ms: a window made afresh
// (the ten files read and judged, ten pictures drawn, the window shown and painted), and F3 in
// the editor opening the window it made before (the folder rescanned, nothing read again).
#include "bench/EditorBenchmark.h"
#include "editor/LevelSetWindow.h"
#include "level/LevelText.h"

#include <QTest>
#include <fstream>

namespace {

void WriteTenLevels(const std::string& folder) {
    for (int level = 1; level <= LevelSetSize; ++level) {
        LevelGrid grid{};
        PlayerStarts starts;
        ResetToDefaultLevel(grid, starts);
        grid[level][1] = Brick;
        std::ofstream(folder + "/L" + std::to_string(level) + ".txt", std::ios::binary)
            << LevelText(grid);
    }
}

void NewWindowShown(benchmark::State& state) {
    WriteTenLevels(Harness().Folder());
    for (auto _ : state) {
        LevelSetModel model;
        model.SetFolder(Harness().Folder());
        LevelSetWindow window(model, &Harness().Editor());
        window.show();
        window.repaint();
        benchmark::DoNotOptimize(window.isVisible());
    }
}
BENCHMARK(NewWindowShown)->Unit(benchmark::kMillisecond);

void F3Reopens(benchmark::State& state) {
    WriteTenLevels(Harness().Folder());
    Harness().Key(Qt::Key_F3);
    auto* window = Harness().Editor().findChild<LevelSetWindow*>();
    for (auto _ : state) {
        state.PauseTiming();
        window->close();
        Harness().Editor().activateWindow();
        if (!QTest::qWaitForWindowActive(&Harness().Editor())) {
            state.SkipWithError("the editor did not become the active window");
            break;
        }
        state.ResumeTiming();
        Harness().Key(Qt::Key_F3);
        window->repaint();
        benchmark::DoNotOptimize(window->isVisible());
    }
    window->close();
}
BENCHMARK(F3Reopens)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunEditorBenchmarks(argc, argv);
}
