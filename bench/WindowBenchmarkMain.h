#pragma once

#include "app/MessageBoxes.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// The main() of a benchmark that builds windows: offscreen unless told otherwise, and no message box
// ever waits for a click.
inline int runWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    breezekit::messages::setHookForTests([](const breezekit::messages::Shown&) {});
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
