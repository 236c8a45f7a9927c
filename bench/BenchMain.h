#pragma once

// The main of a benchmark program that needs a Qt application: headless unless a platform is
// asked for.
#include <QApplication>

#include <benchmark/benchmark.h>

namespace benchsupport {

/// Runs the registered benchmarks inside a Qt application.
inline int runWithApplication(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace benchsupport
