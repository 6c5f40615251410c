// Opening the operator data, finding a cargo and one whole selection on the real tab, on 20,000 cargoes.
#include "LargeCargoData.h"
#include "WindowBenchmarkMain.h"
#include "adviser/TavroTab.h"
#include "data/Criterion.h"
#include "data/RecordSet.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "shell/DataControl.h"

#include <QApplication>
#include <QComboBox>

#include <benchmark/benchmark.h>

namespace {

void openDtaA(benchmark::State& state)
{
    const Store store(largeCargoFolder().path());
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
    const Store store(largeCargoFolder().path());
    const RecordSet cargoes = *RecordSet::open(*store.open(Schema::CleaningFile), RecordSources::DtaA);
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
    const Store store(largeCargoFolder().path());
    const Database cargoes = *store.open(Schema::CleaningFile);
    const QString criterion =
        Criterion::build(CriterionPrefixes::CleaningName, QStringLiteral("CARGO 19990"));
    for (auto _ : state) {
        state.PauseTiming();
        RecordSet fresh = *RecordSet::open(cargoes, RecordSources::DtaA);
        state.ResumeTiming();
        benchmark::DoNotOptimize(fresh.findFirst(criterion));
    }
}
BENCHMARK(firstFindOfARecordSet)->Unit(benchmark::kMicrosecond)->Iterations(200);

// The operator tab on the large data, choosing two cargoes near the end of the list by turns.
class SelectionFixture {
public:
    explicit SelectionFixture(benchmark::State& state)
        : m_store(largeCargoFolder().path())
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
    return runWindowBenchmarks(argc, argv);
}
