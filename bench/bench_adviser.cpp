// Opening the operator data, finding a cargo and one whole selection on the real tab, on 20,000 cargoes.
#include "adviser/TavroTab.h"
#include "data/Criterion.h"
#include "data/RecordSet.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "shell/DataControl.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

namespace {

// The sample schema with 20,000 generated cargoes whose codes run through the vocabulary.
const TestDataFolder& largeFolder()
{
    static const TestDataFolder* folder = [] {
        auto* made = new TestDataFolder;
        made->copySampleDatabases();
        made->runSql(QStringLiteral("cleaning.mdb"), QStringLiteral(R"(
            DELETE FROM CleaningA;
            WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000)
            INSERT INTO CleaningA ("Abbreviated Name", "Full Name", "Cleaning Code", "Water Temperature", "Notes",
                                   "Personal Notes", "ID  Number", "Pollution Category", "Compatability Chart No",
                                   "H1", "H2", "H3", "SG", "Remarks", "CLASS")
            SELECT printf('CARGO %05d', i), printf('Generated cargo number %d', i), (i % 7) + 1,
                   char(65 + i % 6), (i % 24) + 1, CASE WHEN i % 10 = 0 THEN 'A note of my own.' END,
                   i, CASE WHEN i % 5 = 0 THEN '1' ELSE 'C' END, (i % 22) + 1, i % 5, (i + 1) % 5,
                   (i + 2) % 5, '0.9', 'Generated sample remark.', '3'
            FROM n;
        )"));
        return made;
    }();
    return *folder;
}

void openDtaA(benchmark::State& state)
{
    const Store store(largeFolder().path());
    for (auto _ : state) {
        DataControl data(QStringLiteral("DtaA"));
        QString error;
        if (!data.open(store, Schema::CleaningFile, RecordSources::DtaA, &error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(data.recordSet().recordCount());
    }
}
BENCHMARK(openDtaA)->Unit(benchmark::kMillisecond);

void findByNameNearTheEnd(benchmark::State& state)
{
    const Store store(largeFolder().path());
    QString error;
    const RecordSet cargoes =
        *RecordSet::open(store.open(Schema::CleaningFile, &error), RecordSources::DtaA, &error);
    RecordSet set = cargoes.clone();
    const QString criteria[] = {
        Criterion::build(CriterionPrefixes::CleaningName, QStringLiteral("CARGO 19990")),
        Criterion::build(CriterionPrefixes::CleaningName, QStringLiteral("CARGO 19991"))};
    int turn = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(set.findFirst(criteria[turn++ % 2]));
}
BENCHMARK(findByNameNearTheEnd)->Unit(benchmark::kMicrosecond);

void firstFindOfARecordSet(benchmark::State& state)
{
    const Store store(largeFolder().path());
    QString error;
    const RecordSet cargoes =
        *RecordSet::open(store.open(Schema::CleaningFile, &error), RecordSources::DtaA, &error);
    const QString criterion =
        Criterion::build(CriterionPrefixes::CleaningName, QStringLiteral("CARGO 19990"));
    for (auto _ : state) {
        state.PauseTiming();
        RecordSet fresh =
            *RecordSet::open(store.open(Schema::CleaningFile, &error), RecordSources::DtaA, &error);
        state.ResumeTiming();
        benchmark::DoNotOptimize(fresh.findFirst(criterion));
    }
}
BENCHMARK(firstFindOfARecordSet)->Unit(benchmark::kMillisecond)->Iterations(10);

// The operator tab on the large data, choosing two cargoes near the end of the list by turns.
class SelectionFixture {
public:
    explicit SelectionFixture(benchmark::State& state)
        : m_store(largeFolder().path())
    {
        QString error;
        if (!m_tab.openData(m_store, &error))
            state.SkipWithError(qPrintable(error));
        m_tab.show();
        m_cargo = m_tab.findChild<QComboBox*>(QStringLiteral("DBCombo1"));
    }

    void chooseNext() { m_cargo->setEditText(m_names[m_turn++ % 2]); }

private:
    const Store m_store;
    TavroTab m_tab;
    QComboBox* m_cargo = nullptr;
    const QString m_names[2] = {QStringLiteral("CARGO 19990"), QStringLiteral("CARGO 19995")};
    int m_turn = 0;
};

void selectionOnTheTab(benchmark::State& state)
{
    SelectionFixture tab(state);
    for (auto _ : state)
        tab.chooseNext();
}
BENCHMARK(selectionOnTheTab)->Unit(benchmark::kMicrosecond);

// The selection and the repaint of what it changed.
void selectionShownOnTheTab(benchmark::State& state)
{
    SelectionFixture tab(state);
    for (auto _ : state) {
        tab.chooseNext();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(selectionShownOnTheTab)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
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
