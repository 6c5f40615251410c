// `velcarin-cli advise` as a whole process beside `sqlite3` answering the same question on the same file, on
// the 97-cargo sample and on 2,000, 20,000 and 200,000 generated cargoes, for a cargo near the end of the
// list. Each run of the one is followed by a run of the other, so that the load of the machine weighs on both
// alike; the table gives the median wall time of each, from start to exit, and how they compare, then the
// median processor time of each (user and system), which the load of a busy machine sways far less.
#include "LargeCargoData.h"
#include "data/ArgumentVector.h"
#include "data/RecordSources.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QTextStream>

#include <algorithm>
#include <memory>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

constexpr int Runs = 15;

struct Seconds {
    double wall = 0;
    double processor = 0;
};

double seconds(const timeval& time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

// One run, its output thrown away; a run that fails ends the benchmark.
Seconds secondsToRun(const QStringList& arguments)
{
    ArgumentVector argv(arguments);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t child = 0;
    int status = 0;
    rusage usage{};
    const bool ran = posix_spawn(&child, argv.program(), &actions, nullptr, argv.data(), environ) == 0 &&
                     wait4(child, &status, 0, &usage) == child;
    const double wall = double(clock.nsecsElapsed()) / 1e9;
    posix_spawn_file_actions_destroy(&actions);
    if (!ran || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("failed: %s", qPrintable(arguments.join(QLatin1Char(' '))));
    return {wall, seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

Seconds median(const QList<Seconds>& runs)
{
    QList<double> walls;
    QList<double> processors;
    for (const Seconds& run : runs) {
        walls << run.wall;
        processors << run.processor;
    }
    std::sort(walls.begin(), walls.end());
    std::sort(processors.begin(), processors.end());
    return {walls.at(walls.size() / 2), processors.at(processors.size() / 2)};
}

QString milliseconds(double seconds)
{
    return QString::number(seconds * 1000, 'f', 1) + QLatin1String(" ms");
}

struct Size {
    int cargoes;
    QString name; // the cargo asked for, near the end of the list
    std::unique_ptr<TestDataFolder> folder;
};

// The sample databases, with the cargo table replaced by generated cargoes unless it is the sample's own.
Size folderOf(int cargoes)
{
    auto folder = std::make_unique<TestDataFolder>();
    folder->copySampleDatabases();
    if (cargoes == 97)
        return {cargoes, QStringLiteral("WHITE PHOSPHORUS"), std::move(folder)};
    generateCargoes(*folder, cargoes, 6);
    return {cargoes, QStringLiteral("CARGO %1").arg(cargoes - 10, 6, 10, QLatin1Char('0')),
            std::move(folder)};
}

QStringList advise(const Size& size)
{
    return {QStringLiteral(VELCARIN_PROGRAM_DIR_DEFAULT "/velcarin-cli"), QStringLiteral("advise"), size.name,
            QStringLiteral("--data-dir"), size.folder->path()};
}

// The record source of the cargo data with the look-up of one name, as the shell asks it.
QStringList askSqlite(const Size& size)
{
    QString source = RecordSources::DtaA;
    source.insert(source.indexOf(QLatin1String(" order by ")),
                  QStringLiteral(" where CleaningA.[Abbreviated Name] = '%1'").arg(size.name));
    return {QStringLiteral(VELCARIN_SQLITE3), size.folder->filePath(QStringLiteral("cleaning.mdb")), source};
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("VELCARIN_PROGRAM_DIR"))
        qputenv("VELCARIN_PROGRAM_DIR", VELCARIN_PROGRAM_DIR_DEFAULT);
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    out << "| Cargoes | `velcarin-cli advise` | `sqlite3` | Ratio | `advise` against 97 | Processor time, "
           "`advise` | Processor time, `sqlite3` |\n"
        << "|---|---|---|---|---|---|---|\n";
    double atTheSample = 0;
    for (int cargoes : {97, 2000, 20000, 200000}) {
        const Size size = folderOf(cargoes);
        secondsToRun(advise(size)); // once each into the page cache first
        secondsToRun(askSqlite(size));
        QList<Seconds> velcarin;
        QList<Seconds> sqlite;
        for (int run = 0; run < Runs; ++run) {
            velcarin << secondsToRun(advise(size));
            sqlite << secondsToRun(askSqlite(size));
        }
        const Seconds ours = median(velcarin);
        const Seconds theirs = median(sqlite);
        if (cargoes == 97)
            atTheSample = ours.wall;
        out << "| " << QLocale(QLocale::English).toString(cargoes) << " | " << milliseconds(ours.wall)
            << " | " << milliseconds(theirs.wall) << " | " << QString::number(ours.wall / theirs.wall, 'f', 2)
            << "× | " << QString::number(ours.wall / atTheSample, 'f', 2) << "× | "
            << milliseconds(ours.processor) << " | " << milliseconds(theirs.processor) << " |" << Qt::endl;
    }
    return 0;
}
