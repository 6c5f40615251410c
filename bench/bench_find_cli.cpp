// `velcarin-cli find` as a whole process with its index ready, beside `sqlite3` looking for the same word
// with LIKE '%word%' in the searched fields of the cargo table of the same file; on 20,000 cargoes and on
// the sample. Timed as bench_cli times `velcarin-cli advise`.
#include "LargeCargoData.h"
#include "ProcessTiming.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString Word = QStringLiteral("19990");

// The folder once the search has run on it, so that its index is made before a search is timed.
const TestDataFolder& withIndex(const TestDataFolder& folder)
{
    QProcess search;
    search.setStandardOutputFile(QProcess::nullDevice());
    search.start(QStringLiteral(VELCARIN_PROGRAM_DIR_DEFAULT "/velcarin-cli"),
                 {QStringLiteral("find"), Word, QStringLiteral("--data-dir"), folder.path()});
    search.waitForFinished(-1);
    return folder;
}

QStringList find(const TestDataFolder& folder, const QString& word)
{
    return {QStringLiteral(VELCARIN_PROGRAM_DIR_DEFAULT "/velcarin-cli"), QStringLiteral("find"), word,
            QStringLiteral("--data-dir"), folder.path()};
}

QStringList likeInSqlite(const TestDataFolder& folder, const QString& word)
{
    const QString query =
        QStringLiteral("select \"Abbreviated Name\" from CleaningA where \"Abbreviated Name\" like "
                       "'%%1%' or \"Full Name\" like '%%1%' or \"ID  Number\" like '%%1%' or "
                       "\"United No\" like '%%1%'")
            .arg(word);
    return {QStringLiteral(VELCARIN_SQLITE3), folder.filePath(QStringLiteral("cleaning.mdb")), query};
}

const TestDataFolder& largeFolder()
{
    static const TestDataFolder& folder = withIndex(largeCargoFolder());
    return folder;
}

void findOn20000Cargoes(benchmark::State& state)
{
    measureProcess(state, find(largeFolder(), Word));
}
BENCHMARK(findOn20000Cargoes)->UseManualTime()->Unit(benchmark::kMillisecond);

void sqlite3LikeOn20000Cargoes(benchmark::State& state)
{
    measureProcess(state, likeInSqlite(largeFolder(), Word));
}
BENCHMARK(sqlite3LikeOn20000Cargoes)->UseManualTime()->Unit(benchmark::kMillisecond);

void findOnTheSample(benchmark::State& state)
{
    static const TestDataFolder* sample = [] {
        auto* made = new TestDataFolder;
        made->copySampleDatabases();
        withIndex(*made);
        return made;
    }();
    measureProcess(state, find(*sample, QStringLiteral("methylbenzene")));
}
BENCHMARK(findOnTheSample)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    // The indexes go to a cache folder of the run's own.
    const QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    return runProcessBenchmarks(argc, argv);
}
