// `velcarin-cli advise` as a whole process, beside `sqlite3` answering the same question on the same file:
// on 20,000 cargoes, on the 97-cargo sample, and beside a cargo whose remarks are 100 MB long. Each run is
// timed from start to exit (wall time, GNU time's start included); "peak_kb" is the process's peak resident
// memory.
#include "LargeCargoData.h"
#include "data/ArgumentVector.h"
#include "data/RecordSources.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

struct Finished {
    double seconds = 0;
    long peakKilobytes = 0;
    bool succeeded = false;
};

// Runs the program with its output thrown away and waits for it. GNU time forks it from a small process of
// its own and tells its peak memory: a child spawned from this large one would count this one's memory as
// its own.
Finished runProgram(const QStringList& arguments)
{
    static const QTemporaryFile* report = [] {
        auto* file = new QTemporaryFile;
        file->open();
        return file;
    }();
    ArgumentVector argv(QStringList{QStringLiteral("/usr/bin/time"), QStringLiteral("-f"),
                                    QStringLiteral("%M"), QStringLiteral("-o"), report->fileName()} +
                        arguments);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    Finished finished;
    QElapsedTimer clock;
    clock.start();
    pid_t child = 0;
    int status = 0;
    if (posix_spawn(&child, argv.program(), &actions, nullptr, argv.data(), environ) == 0 &&
        waitpid(child, &status, 0) == child) {
        finished.seconds = double(clock.nsecsElapsed()) / 1e9;
        QFile peak(report->fileName());
        finished.peakKilobytes = peak.open(QIODevice::ReadOnly) ? peak.readAll().trimmed().toLong() : 0;
        finished.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return finished;
}

void measure(benchmark::State& state, const QStringList& arguments)
{
    long peak = 0;
    for (auto _ : state) {
        const Finished finished = runProgram(arguments);
        if (!finished.succeeded) {
            state.SkipWithError(qPrintable(QStringLiteral("failed: ") + arguments.join(QLatin1Char(' '))));
            return;
        }
        state.SetIterationTime(finished.seconds);
        peak = std::max(peak, finished.peakKilobytes);
    }
    state.counters[QStringLiteral("peak_kb").toStdString()] = double(peak);
}

QStringList advise(const TestDataFolder& folder, const QString& name)
{
    return {QStringLiteral(VELCARIN_PROGRAM_DIR_DEFAULT "/velcarin-cli"), QStringLiteral("advise"), name,
            QStringLiteral("--data-dir"), folder.path()};
}

// The record source of the cargo data with the look-up of one name, as the shell asks it.
QStringList askSqlite(const TestDataFolder& folder, const QString& name)
{
    QString source = RecordSources::DtaA;
    source.insert(source.indexOf(QLatin1String(" order by ")),
                  QStringLiteral(" where CleaningA.[Abbreviated Name] = '%1'").arg(name));
    return {QStringLiteral(VELCARIN_SQLITE3), folder.filePath(QStringLiteral("cleaning.mdb")), source};
}

void adviseOn20000Cargoes(benchmark::State& state)
{
    measure(state, advise(largeCargoFolder(), QStringLiteral("CARGO 19990")));
}
BENCHMARK(adviseOn20000Cargoes)->UseManualTime()->Unit(benchmark::kMillisecond);

void sqlite3On20000Cargoes(benchmark::State& state)
{
    measure(state, askSqlite(largeCargoFolder(), QStringLiteral("CARGO 19990")));
}
BENCHMARK(sqlite3On20000Cargoes)->UseManualTime()->Unit(benchmark::kMillisecond);

void adviseOnTheSample(benchmark::State& state)
{
    static const TestDataFolder* sample = [] {
        auto* made = new TestDataFolder;
        made->copySampleDatabases();
        return made;
    }();
    measure(state, advise(*sample, QStringLiteral("ACETONE")));
}
BENCHMARK(adviseOnTheSample)->UseManualTime()->Unit(benchmark::kMillisecond);

void adviseBesideAHugeMemo(benchmark::State& state)
{
    measure(state, advise(hugeMemoFolder(), QStringLiteral("ACETONE")));
}
BENCHMARK(adviseBesideAHugeMemo)->UseManualTime()->Unit(benchmark::kMillisecond);

void sqlite3BesideAHugeMemo(benchmark::State& state)
{
    measure(state, askSqlite(hugeMemoFolder(), QStringLiteral("ACETONE")));
}
BENCHMARK(sqlite3BesideAHugeMemo)->UseManualTime()->Unit(benchmark::kMillisecond);

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
