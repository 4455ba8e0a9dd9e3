// A stroke of the left button with Brick along an inner row, one cell further on every move,
// each move with the screen update it asks for: with the mirror "both", which paints every cell
// at its three images as well, it should take at most 1.5 times as long as without a mirror.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>

#include "bench/EditorBenchmark.h"

namespace {

constexpr int StrokeRow = 3;

void SendMouse(QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::MouseButtons held) {
    CLevelEditorDlg& editor = Harness().Editor();
    QMouseEvent event(type, point, editor.mapToGlobal(point), button, held, Qt::NoModifier);
    QApplication::sendEvent(&editor, &event);
    QApplication::processEvents();
}

QPoint CellCentre(int column) {
    return {5 + 20 * column + 10, 5 + 20 * StrokeRow + 10};
}

// Every stroke starts on the default level and is undone between the timed runs.
void StrokeAlongARow(benchmark::State& state, MirrorMode mirror) {
    DocumentSession& session = Harness().Editor().GetSession();
    session.Open(LevelDocument());
    SendMouse(QEvent::MouseButtonPress, {437, 34}, Qt::LeftButton, Qt::LeftButton);
    SendMouse(QEvent::MouseButtonRelease, {437, 34}, Qt::LeftButton, Qt::NoButton);
    session.SetPaintMirror(mirror);
    // Under "both" the row and its mirror image, each cell painted from both ends.
    const int expected = mirror ? 2 * (GridColumns - 2) : GridColumns - 2;
    for (auto _ : state) {
        SendMouse(QEvent::MouseButtonPress, CellCentre(1), Qt::LeftButton, Qt::LeftButton);
        for (int column = 2; column < GridColumns - 1; ++column)
            SendMouse(QEvent::MouseMove, CellCentre(column), Qt::NoButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, CellCentre(GridColumns - 2), Qt::LeftButton,
                  Qt::NoButton);
        state.PauseTiming();
        int bricks = 0;
        for (const auto& column : session.Document().Grid())
            bricks += int(std::count(column.begin(), column.end(), Brick));
        if (bricks != expected)
            state.SkipWithError("the stroke painted other cells than its row and the images");
        session.Undo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    session.SetPaintMirror(std::nullopt);
}

void StrokeWithoutMirror(benchmark::State& state) {
    StrokeAlongARow(state, std::nullopt);
}
BENCHMARK(StrokeWithoutMirror)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void StrokeWithMirrorBoth(benchmark::State& state) {
    StrokeAlongARow(state, Mirror::Both);
}
BENCHMARK(StrokeWithMirrorBoth)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return RunEditorBenchmarks(argc, argv);
}
