#include "ProcessTiming.h"

#include "data/ArgumentVector.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>

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

} // namespace

void measureProcess(benchmark::State& state, const QStringList& arguments)
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

int runProcessBenchmarks(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("VELCARIN_PROGRAM_DIR"))
        qputenv("VELCARIN_PROGRAM_DIR", VELCARIN_PROGRAM_DIR_DEFAULT);
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
