#include "search/IndexRefresh.h"

#include "search/SearchIndex.h"
#include "search/StoredUnit.h"

#include <QSet>

namespace IndexRefresh {

namespace {

SourceState stateOf(const SearchUnit& unit, const StoredUnit& stored)
{
    if (!stored.leftOut.isEmpty())
        return SourceState{unit.name, SourceState::State::LeftOut, stored.leftOut, 0};
    return SourceState{unit.name, SourceState::State::Read, {}, stored.entries};
}

} // namespace

QList<SourceState> states(const SearchIndex& index, const QList<SearchUnit>& units)
{
    const QHash<QString, QString> signatures = signaturesOf(units);
    QList<SourceState> states;
    for (const SearchUnit& unit : units) {
        const StoredUnit stored = StoredUnit::decoded(index.signature(unit.key));
        states << (!stored.signature.isEmpty() && stored.signature == signatures.value(unit.key)
                       ? stateOf(unit, stored)
                       : SourceState{unit.name, SourceState::State::NotRead, {}, stored.entries});
    }
    return states;
}

bool holdsOnly(const SearchIndex& index, const QList<SearchUnit>& units)
{
    QSet<QString> keys;
    for (const SearchUnit& unit : units)
        keys.insert(unit.key);
    const QStringList held = index.units();
    return std::all_of(held.begin(), held.end(), [&](const QString& key) { return keys.contains(key); });
}

void run(SearchIndex& index, const QList<SearchUnit>& units, std::stop_token stop,
         const std::function<void(const SourceState&)>& report)
{
    const QHash<QString, QString> signatures = signaturesOf(units);
    QList<std::pair<SearchUnit, QString>> changed; // with the signature it had before it was read
    for (const SearchUnit& unit : units) {
        const QString signature = signatures.value(unit.key);
        const StoredUnit stored = StoredUnit::decoded(index.signature(unit.key));
        if (stored.signature.isEmpty() || stored.signature != signature) {
            changed << std::pair(unit, signature);
            report(SourceState{unit.name, SourceState::State::BeingRead, {}, stored.entries});
        }
    }
    for (const QString& key : index.units()) {
        // A manual taken out of the data folder; what cannot be taken out now is tried on the next pass.
        if (!signatures.contains(key))
            (void)index.remove(key);
    }
    for (const auto& [unit, signature] : changed) {
        if (stop.stop_requested())
            return;
        const Result<QList<SearchDocument>> documents = unit.read(stop);
        if (stop.stop_requested())
            return;
        // A source that cannot be read keeps nothing in the index: no result may lead to it.
        const StoredUnit stored = documents ? StoredUnit{signature, int(documents->size()), {}}
                                            : StoredUnit{signature, 0, documents.error()};
        const Result<> replaced =
            index.replace(unit.key, stored.encoded(), documents ? *documents : QList<SearchDocument>());
        report(replaced ? stateOf(unit, stored)
                        : SourceState{unit.name, SourceState::State::LeftOut, replaced.error(), 0});
    }
}

} // namespace IndexRefresh
