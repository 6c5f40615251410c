// The import of a large legacy cargo table (20,000 rows), against the same import done by mdbtools'
// mdb-export piped into the sqlite3 shell's CSV import, in the same run.
#include "data/legacy/LegacyImport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString largeCargoTable()
{
    return QFileInfo(QStringLiteral(__FILE__)).dir().filePath(QStringLiteral("data/cleaning-large.mdb"));
}

void velcarinImport(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString destination = dir.filePath(QStringLiteral("cleaning.mdb"));
    for (auto _ : state) {
        QFile::remove(destination);
        const Result<LegacyImport::Imported> imported =
            LegacyImport::run(largeCargoTable(), destination, QStringLiteral(".bak"));
        if (!imported || imported->rowCount() != 20000)
            state.SkipWithError(qPrintable(imported.error()));
    }
    state.SetItemsProcessed(state.iterations() * 20000);
}

void mdbExportIntoSqlite3(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString destination = dir.filePath(QStringLiteral("cleaning.mdb"));
    const QString pipeline =
        QStringLiteral("mdb-export \"$0\" CleaningA | sqlite3 \"$1\" \".import --csv /dev/stdin CleaningA\"");
    for (auto _ : state) {
        QFile::remove(destination);
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"),
                    {QStringLiteral("-c"), pipeline, largeCargoTable(), destination});
        if (!shell.waitForFinished(-1) || shell.exitCode() != 0)
            state.SkipWithError("the mdb-export | sqlite3 pipeline failed");
    }
    state.SetItemsProcessed(state.iterations() * 20000);
}

} // namespace

BENCHMARK(velcarinImport)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(mdbExportIntoSqlite3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
