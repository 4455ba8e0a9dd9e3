// One mouse move, as the editor receives it from the platform: while the left button drags
// across interior cells (hover, placement, the cells and frame drawn, the status line and the
// screen update that the drawing asks for) it should take at most 20 us, and outside the grid
// at most 5 us (median of the repetitions). A move of the keyboard's cell cursor over the
// focused grid, and one with Space held, which paints, should each take at most twice the
// mouse's move while dragging.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
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

void SendKey(QEvent::Type type, int key) {
    QKeyEvent event(type, key, Qt::NoModifier);
    QApplication::sendEvent(&View(Harness().Editor()), &event);
}

// The arrows that walk the cursor from (1,1) along every interior row in turn and back again.
std::vector<int> InteriorWalk() {
    std::vector<int> there;
    for (int row = 1; row < GridRows - 1; ++row) {
        there.insert(there.end(), GridColumns - 3, row % 2 ? Qt::Key_Right : Qt::Key_Left);
        there.push_back(Qt::Key_Down);
    }
    there.pop_back();
    std::vector<int> walk = there;
    for (auto key = there.rbegin(); key != there.rend(); ++key)
        walk.push_back(*key == Qt::Key_Down   ? Qt::Key_Up
                       : *key == Qt::Key_Left ? Qt::Key_Right
                                              : Qt::Key_Left);
    return walk;
}

// Walks the cursor over the interior, one cell a key press with its screen update; with
// `painting`, Space is held down all the while with Brick in the left button.
void WalkTheCursor(benchmark::State& state, bool painting) {
    CLevelEditorDlg& editor = Harness().Editor();
    View(editor).setFocus();
    QApplication::processEvents();
    SendKey(QEvent::KeyPress, Qt::Key_2);
    for (int step = 0; step < GridColumns; ++step) // to (0,0), then to (1,1), where walks start
        for (const int key : {Qt::Key_Left, Qt::Key_Up})
            SendKey(QEvent::KeyPress, key);
    SendKey(QEvent::KeyPress, Qt::Key_Right);
    SendKey(QEvent::KeyPress, Qt::Key_Down);
    if (painting)
        SendKey(QEvent::KeyPress, Qt::Key_Space);
    const std::vector<int> walk = InteriorWalk();
    std::size_t next = 0;
    for (auto _ : state) {
        SendKey(QEvent::KeyPress, walk[next]);
        QApplication::processEvents();
        next = (next + 1) % walk.size();
    }
    if (painting)
        SendKey(QEvent::KeyRelease, Qt::Key_Space);
    const Cell cursor = View(editor).CursorCell();
    if (!View(editor).hasFocus() || cursor.column < 1 ||
        (painting && editor.Document().Grid()[cursor.column][cursor.row] != Brick))
        state.SkipWithError("the cursor did not walk the grid");
}

void CursorMoveOnTheGrid(benchmark::State& state) {
    WalkTheCursor(state, false);
}
BENCHMARK(CursorMoveOnTheGrid)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void CursorMoveWithSpaceHeld(benchmark::State& state) {
    WalkTheCursor(state, true);
}
BENCHMARK(CursorMoveWithSpaceHeld)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunEditorBenchmarks(argc, argv);
}
