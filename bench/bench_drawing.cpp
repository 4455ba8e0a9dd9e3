// Drawing the editor: a full repaint of the painted area should stay within 300 us and the
// redraw of one cell within 10 us, so that dragging the mouse over the grid never lags.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/EditorBenchmark.h"

namespace {

// Lets the event loop bring what was drawn to the screen, outside the measured time, as it
// does between two handlers.
void ShowOutsideTiming(benchmark::State& state) {
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

// Everything that a full repaint draws: grid, lines, frame, cells, swatches and palette.
void PaintWholeEditor(benchmark::State& state) {
    CLevelEditorDlg& editor = Harness().Editor();
    for (auto _ : state) {
        editor.PaintEditor();
        ShowOutsideTiming(state);
    }
}
BENCHMARK(PaintWholeEditor)->Unit(benchmark::kMicrosecond);

// The same, with the surface erased first and the whole window, controls included, painted
// to the screen at once, as Show Grid does.
void RedrawWholeWindow(benchmark::State& state) {
    CLevelEditorDlg& editor = Harness().Editor();
    for (auto _ : state)
        editor.RedrawWindow();
}
BENCHMARK(RedrawWholeWindow)->Unit(benchmark::kMicrosecond);

void DrawAllCells(benchmark::State& state) {
    CLevelEditorDlg& editor = Harness().Editor();
    Harness().HoverOver({3, 4});
    for (auto _ : state) {
        editor.DrawAllCells();
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
    for (auto _ : state)
        editor.DrawCell(7, 6);
}
BENCHMARK(DrawOneCell);

// What one mouse move over the grid draws: the previous cell, then the hover frame.
void MoveHoverFrame(benchmark::State& state) {
    CLevelEditorDlg& editor = Harness().Editor();
    Harness().HoverOver({3, 4});
    for (auto _ : state) {
        editor.DrawCell(3, 4);
        editor.DrawHoverFrame();
    }
    Harness().HoverOver(NoCell);
}
BENCHMARK(MoveHoverFrame);

} // namespace

int main(int argc, char** argv) {
    return RunEditorBenchmarks(argc, argv);
}
