// The cargo overview of one cargo at 20,000 cargoes: built in-process (every source read and matched), and
// `velcarin-cli overview` as a whole process beside `velcarin-cli advise` on the same folder, in one run
// (wall time from start to exit).
#include "LargeCargoData.h"
#include "data/ArgumentVector.h"
#include "overview/CargoOverview.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

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

// Runs velcarin-cli with its output thrown away; the seconds it took, or a negative number when it failed.
double runTool(const QStringList& arguments)
{
    ArgumentVector argv(QStringList{QStringLiteral(VELCARIN_PROGRAM_DIR_DEFAULT "/velcarin-cli")} +
                        arguments);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t child = 0;
    int status = 0;
    double seconds = -1;
    if (posix_spawn(&child, argv.program(), &actions, nullptr, argv.data(), environ) == 0 &&
        waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0)
        seconds = double(clock.nsecsElapsed()) / 1e9;
    posix_spawn_file_actions_destroy(&actions);
    return seconds;
}

void measureTool(benchmark::State& state, const QString& command)
{
    const QStringList arguments{command, QStringLiteral("CARGO 19990"), QStringLiteral("--data-dir"),
                                largeCargoFolder().path()};
    for (auto _ : state) {
        const double seconds = runTool(arguments);
        if (seconds < 0) {
            state.SkipWithError(qPrintable(QStringLiteral("failed: velcarin-cli ") + arguments.join(u' ')));
            return;
        }
        state.SetIterationTime(seconds);
    }
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
    if (qEnvironmentVariableIsEmpty("VELCARIN_PROGRAM_DIR"))
        qputenv("VELCARIN_PROGRAM_DIR", VELCARIN_PROGRAM_DIR_DEFAULT);
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
