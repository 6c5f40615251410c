// `velcarin-cli advise` as a whole process, beside `sqlite3` answering the same question on the same file:
// on 20,000 cargoes, on the 97-cargo sample, and beside a cargo whose remarks are 100 MB long. Each run is
// timed from start to exit (wall time, GNU time's start included); "peak_kb" is the process's peak resident
// memory.
#include "LargeCargoData.h"
#include "ProcessTiming.h"
#include "data/RecordSources.h"

namespace {

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
    measureProcess(state, advise(largeCargoFolder(), QStringLiteral("CARGO 19990")));
}
BENCHMARK(adviseOn20000Cargoes)->UseManualTime()->Unit(benchmark::kMillisecond);

void sqlite3On20000Cargoes(benchmark::State& state)
{
    measureProcess(state, askSqlite(largeCargoFolder(), QStringLiteral("CARGO 19990")));
}
BENCHMARK(sqlite3On20000Cargoes)->UseManualTime()->Unit(benchmark::kMillisecond);

void adviseOnTheSample(benchmark::State& state)
{
    static const TestDataFolder* sample = [] {
        auto* made = new TestDataFolder;
        made->copySampleDatabases();
        return made;
    }();
    measureProcess(state, advise(*sample, QStringLiteral("ACETONE")));
}
BENCHMARK(adviseOnTheSample)->UseManualTime()->Unit(benchmark::kMillisecond);

void adviseBesideAHugeMemo(benchmark::State& state)
{
    measureProcess(state, advise(hugeMemoFolder(), QStringLiteral("ACETONE")));
}
BENCHMARK(adviseBesideAHugeMemo)->UseManualTime()->Unit(benchmark::kMillisecond);

void sqlite3BesideAHugeMemo(benchmark::State& state)
{
    measureProcess(state, askSqlite(hugeMemoFolder(), QStringLiteral("ACETONE")));
}
BENCHMARK(sqlite3BesideAHugeMemo)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    return runProcessBenchmarks(argc, argv);
}
