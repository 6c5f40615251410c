#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main of a benchmark of windows: offscreen, on the program folder of this build unless
// VELCARIN_PROGRAM_DIR names another.
inline int runWindowBenchmarks(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("VELCARIN_PROGRAM_DIR"))
        qputenv("VELCARIN_PROGRAM_DIR", VELCARIN_PROGRAM_DIR_DEFAULT);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
