#pragma once
// What the benchmarks of the editor window share: one real editor, started in a folder of its
// own after the application and closed before it, and the main routine that runs them.
#include "tests/support/EditorHarness.h"

#include <QApplication>
#include <benchmark/benchmark.h>

inline EditorHarness*& CurrentBenchHarness() {
    static EditorHarness* harness = nullptr;
    return harness;
}

inline EditorHarness& Harness() {
    return *CurrentBenchHarness();
}

inline int RunEditorBenchmarks(int argc, char** argv) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    EditorHarness harness;
    CurrentBenchHarness() = &harness;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CurrentBenchHarness() = nullptr;
    return 0;
}
