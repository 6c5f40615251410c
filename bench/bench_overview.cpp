// The cargo overview of one cargo at 20,000 cargoes: built in-process (every source read and matched), and
// `velcarin-cli overview` as a whole process beside `velcarin-cli advise` on the same folder, in one run
// (wall time from start to exit).
#include "LargeCargoData.h"
#include "ProcessTiming.h"
#include "overview/CargoOverview.h"

#include <benchmark/benchmark.h>

namespace {

DataFolders largeFolders()
{
    return DataFolders(largeCargoFolder().path(), QStringLiteral(VELCARIN_PROGRAM_DIR_DEFAULT));
}

void buildOverview(benchmark::State& state, const QString& cargo)
{
    const DataFolders folders = largeFolders();
    for (auto _ : state) {
        const Result<CargoOverview> overview = CargoOverview::build(folders, cargo);
        if (!overview) {
            state.SkipWithError(qPrintable(overview.error()));
            return;
        }
        benchmark::DoNotOptimize(overview->sections().size());
    }
}

void overviewByName(benchmark::State& state)
{
    buildOverview(state, QStringLiteral("CARGO 19990"));
}
BENCHMARK(overviewByName)->Unit(benchmark::kMillisecond);

void overviewByNormalisedName(benchmark::State& state)
{
    buildOverview(state, QStringLiteral("cargo-19990"));
}
BENCHMARK(overviewByNormalisedName)->Unit(benchmark::kMillisecond);

void overviewOfNoCargo(benchmark::State& state)
{
    buildOverview(state, QStringLiteral("NO SUCH CARGO"));
}
BENCHMARK(overviewOfNoCargo)->Unit(benchmark::kMillisecond);

void measureTool(benchmark::State& state, const QString& command)
{
    measureProcess(state,
                   {QStringLiteral(VELCARIN_PROGRAM_DIR_DEFAULT "/velcarin-cli"), command,
                    QStringLiteral("CARGO 19990"), QStringLiteral("--data-dir"), largeCargoFolder().path()});
}

void cliOverviewOn20000Cargoes(benchmark::State& state)
{
    measureTool(state, QStringLiteral("overview"));
}
BENCHMARK(cliOverviewOn20000Cargoes)->UseManualTime()->Unit(benchmark::kMillisecond);

void cliAdviseOn20000Cargoes(benchmark::State& state)
{
    measureTool(state, QStringLiteral("advise"));
}
BENCHMARK(cliAdviseOn20000Cargoes)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    return runProcessBenchmarks(argc, argv);
}
