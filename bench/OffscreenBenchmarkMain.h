#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

// Runs the registered benchmarks with a QApplication on Qt's offscreen
// platform, so that they need no display.
inline int RunOffscreenBenchmarks(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
