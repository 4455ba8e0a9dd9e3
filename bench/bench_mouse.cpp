// One mouse move, as the editor receives it from the platform: while the left button drags
// across interior cells (hover, placement, the cells and frame drawn, the status line and the
// screen update that the drawing asks for) it should take at most 20 us, and outside the grid
// at most 5 us (median of the repetitions).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "bench/EditorBenchmark.h"

namespace {

void SendMouse(QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::MouseButtons held) {
    CLevelEditorDlg& editor = Harness().Editor();
    QMouseEvent event(type, point, editor.mapToGlobal(point), button, held, Qt::NoModifier);
    QApplication::sendEvent(&editor, &event);
}

// A path over the interior cells, one cell further on every move.
std::vector<QPoint> InteriorPath() {
    std::vector<QPoint> path;
    for (int row = 1; row < GridRows - 1; ++row)
        for (int column = 1; column < GridColumns - 1; ++column)
            path.emplace_back(5 + 20 * column + 7 + row % 5, 5 + 20 * row + 9);
    return path;
}

// Drags the left button with Brick across the interior, one cell further on every move; with
// `screenUpdate`, the screen update that each move asks for is done before the next move.
void DragAcrossInteriorCells(benchmark::State& state, bool screenUpdate) {
    CLevelEditorDlg& editor = Harness().Editor();
    const QPoint brickSlot(437, 34);
    SendMouse(QEvent::MouseButtonPress, brickSlot, Qt::LeftButton, Qt::LeftButton);
    SendMouse(QEvent::MouseButtonRelease, brickSlot, Qt::LeftButton, Qt::NoButton);
    const std::vector<QPoint> path = InteriorPath();
    SendMouse(QEvent::MouseButtonPress, path.front(), Qt::LeftButton, Qt::LeftButton);
    std::size_t next = 0;
    for (auto _ : state) {
        next = (next + 1) % path.size();
        SendMouse(QEvent::MouseMove, path[next], Qt::NoButton, Qt::LeftButton);
        if (screenUpdate)
            QApplication::processEvents();
    }
    SendMouse(QEvent::MouseButtonRelease, path[next], Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
    const Cell last = View(editor).HoverCell();
    if (Picker(editor).Tile(Qt::LeftButton) != Brick || last.column < 1 ||
        editor.Document().Grid()[last.column][last.row] != Brick)
        state.SkipWithError("the drag painted nothing");
}

void MoveWhileDraggingAcrossInteriorCells(benchmark::State& state) {
    DragAcrossInteriorCells(state, true);
}
BENCHMARK(MoveWhileDraggingAcrossInteriorCells)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// The handlers alone, without the screen update: where the time of a move goes.
void MoveWhileDraggingHandlersOnly(benchmark::State& state) {
    DragAcrossInteriorCells(state, false);
}
BENCHMARK(MoveWhileDraggingHandlersOnly)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void MoveOutsideTheGrid(benchmark::State& state) {
    const QPoint outside[] = {{310, 100}, {450, 250}, {2, 150}, {200, 280}};
    std::size_t next = 0;
    for (auto _ : state) {
        SendMouse(QEvent::MouseMove, outside[next], Qt::NoButton, Qt::NoButton);
        QApplication::processEvents();
        next = (next + 1) % std::size(outside);
    }
    if (View(Harness().Editor()).HoverCell() != NoCell)
        state.SkipWithError("the cursor outside the grid still hovers a cell");
}
BENCHMARK(MoveOutsideTheGrid)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunEditorBenchmarks(argc, argv);
}
