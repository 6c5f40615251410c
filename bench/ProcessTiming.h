#pragma once

#include <QStringList>

#include <benchmark/benchmark.h>

// Times whole processes for the benchmarks of the command-line tool: each run from start to exit (wall
// time, GNU time's start included), with the process's peak resident memory as the counter "peak_kb".
void measureProcess(benchmark::State& state, const QStringList& arguments);

// The main of such a benchmark, on the program folder of this build unless VELCARIN_PROGRAM_DIR names
// another.
int runProcessBenchmarks(int argc, char* argv[]);
