// Drawing the editor: the whole window repainted at once, controls included, as Show Grid does,
// should stay within 500 us, the grid area drawn afresh within 300 us, and the redraw of one
// cell within 10 us, so that dragging the mouse over the grid never lags.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/EditorBenchmark.h"

namespace {

constexpr render::Pixel BlackLines = render::Rgb(0, 0, 0);

// Lets the event loop bring what was drawn to the screen, outside the measured time, as it
// does between two handlers.
void ShowOutsideTiming(benchmark::State& state) {
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

// Everything that the grid area shows drawn afresh: ground, lines, frame, cells and hover frame.
void DrawGridArea(benchmark::State& state) {
    LevelView& view = View(Harness().Editor());
    for (auto _ : state) {
        view.SetGridColour(BlackLines);
        ShowOutsideTiming(state);
    }
}
BENCHMARK(DrawGridArea)->Unit(benchmark::kMicrosecond);

// The same, and the whole window, controls included, painted to the screen at once, as Show
// Grid does.
void RedrawWholeWindow(benchmark::State& state) {
    CLevelEditorDlg& editor = Harness().Editor();
    for (auto _ : state) {
        View(editor).SetGridColour(BlackLines);
        editor.repaint();
    }
}
BENCHMARK(RedrawWholeWindow)->Unit(benchmark::kMicrosecond);

void DrawAllCells(benchmark::State& state) {
    LevelView& view = View(Harness().Editor());
    Harness().HoverOver({3, 4});
    for (auto _ : state) {
        view.ShowCells(AllCells());
        ShowOutsideTiming(state);
    }
    Harness().HoverOver(NoCell);
}
BENCHMARK(DrawAllCells)->Unit(benchmark::kMicrosecond);

void DrawOneCell(benchmark::State& state) {
    CLevelEditorDlg& editor = Harness().Editor();
    LevelState level = editor.Document().State();
    level.grid[7][6] = Brick;
    editor.GetSession().Open(LevelDocument(level));
    const std::vector<Cell> cell{{7, 6}};
    for (auto _ : state)
        View(editor).ShowCells(cell);
}
BENCHMARK(DrawOneCell);

// What one mouse move over the grid draws: the previous cell, then the hover frame.
void MoveHoverFrame(benchmark::State& state) {
    LevelView& view = View(Harness().Editor());
    for (auto _ : state)
        view.MoveHover({3, 4}, true);
    Harness().HoverOver(NoCell);
}
BENCHMARK(MoveHoverFrame);

} // namespace

int main(int argc, char** argv) {
    return RunEditorBenchmarks(argc, argv);
}
