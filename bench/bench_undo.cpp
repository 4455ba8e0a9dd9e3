// Undo and redo of a whole-grid step (Fill Floor over the default level), each with the screen
// update it asks for, should take at most 200 us; 10,000 one-cell steps should fit in 5 MB.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <malloc.h>

#include "bench/EditorBenchmark.h"

namespace {

void SendMouse(QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::MouseButtons held) {
    CLevelEditorDlg& editor = Harness().Editor();
    QMouseEvent event(type, point, editor.mapToGlobal(point), button, held, Qt::NoModifier);
    QApplication::sendEvent(&editor, &event);
}

void ClickWith(Qt::MouseButton button, QPoint point) {
    SendMouse(QEvent::MouseButtonPress, point, button, button);
    SendMouse(QEvent::MouseButtonRelease, point, button, Qt::NoButton);
}

void PressKeys(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&Harness().Editor(), key, modifiers);
    QApplication::processEvents();
}

// Opens the default level, picks Brick for the left button and fills the floor with it.
void FillTheDefaultLevel() {
    Harness().Editor().GetSession().Open(LevelDocument());
    ClickWith(Qt::LeftButton, {437, 34});
    Harness().ClickControl("fillFloorButton");
    QApplication::processEvents();
}

void UndoFillFloor(benchmark::State& state) {
    FillTheDefaultLevel();
    for (auto _ : state) {
        PressKeys(Qt::Key_Z, Qt::ControlModifier);
        state.PauseTiming();
        PressKeys(Qt::Key_Y, Qt::ControlModifier);
        state.ResumeTiming();
    }
    if (Harness().Editor().Document().TileAt({5, 5}) != Brick)
        state.SkipWithError("the fill was not redone");
}
BENCHMARK(UndoFillFloor)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

void RedoFillFloor(benchmark::State& state) {
    FillTheDefaultLevel();
    for (auto _ : state) {
        state.PauseTiming();
        PressKeys(Qt::Key_Z, Qt::ControlModifier);
        state.ResumeTiming();
        PressKeys(Qt::Key_Y, Qt::ControlModifier);
    }
    if (Harness().Editor().Document().TileAt({5, 5}) != Brick)
        state.SkipWithError("the fill was not redone");
}
BENCHMARK(RedoFillFloor)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// 10,000 clicks on one cell, alternately with Brick on the left and Floor on the right button:
// each changes one cell and is one step. The heap they leave behind is what the history holds.
void HistoryOfOneCellSteps(benchmark::State& state) {
    constexpr int Steps = 10000;
    const QPoint cell(5 + 20 * 6 + 10, 5 + 20 * 6 + 10);
    for (auto _ : state) {
        Harness().Editor().GetSession().Open(LevelDocument());
        ClickWith(Qt::LeftButton, {437, 34});
        QApplication::processEvents();
        const std::size_t before = mallinfo2().uordblks;
        for (int step = 0; step < Steps; ++step)
            ClickWith(step % 2 == 0 ? Qt::LeftButton : Qt::RightButton, cell);
        QApplication::processEvents();
        const std::size_t after = mallinfo2().uordblks;
        state.counters["steps"] = Steps;
        state.counters["history_MB"] = double(after - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(HistoryOfOneCellSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunEditorBenchmarks(argc, argv);
}
