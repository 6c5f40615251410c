#include "overview/CargoOverview.h"

#include "adviser/UnitorCatalogue.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "help/Manual.h"
#include "overview/CargoNames.h"
#include "overview/SourceContent.h"
#include "suppliers/HenkelGuide.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CargoOverview", text);
}

// The names, full names or synonyms and UN numbers of one record source, each column read once for all
// its records.
struct SourceRows {
    RecordSet records;
    QStringList names;
    QStringList others; // Tavro's full names, Jo Tankers' synonym lists; empty elsewhere
    QStringList unNumbers;
};

Result<SourceRows> readRows(const Store& store, const QString& fileName, const QString& source,
                            const QString& nameField, const QString& otherField = {},
                            const QString& unField = {})
{
    const Result<Database> database = store.open(fileName);
    if (!database)
        return Failure{database.error()};
    Result<RecordSet> records = RecordSet::open(*database, source);
    if (!records)
        return Failure{records.error()};
    SourceRows rows{std::move(*records), {}, {}, {}};
    const auto column = [&rows](const QString& field, QStringList& into) {
        const int index = rows.records.fieldIndex(field);
        for (int row = 0; row < rows.records.recordCount(); ++row)
            into << rows.records.valueAt(row, index);
    };
    column(nameField, rows.names);
    if (!otherField.isEmpty())
        column(otherField, rows.others);
    if (!unField.isEmpty())
        column(unField, rows.unNumbers);
    if (!rows.records.readError().isEmpty())
        return Failure{
            tr("The database file \"%1\" cannot be read: %2")
                .arg(QDir::toNativeSeparators(rows.records.databasePath()), rows.records.readError())};
    return rows;
}

// The entry that is the cargo: the best way of matching wins, and of equals the first in the source's
// order.
struct Best {
    int row = -1;
    OverviewMatch match;

    void offer(int candidate, const QString& name, std::optional<OverviewMatch::By> by)
    {
        if (by && (row < 0 || *by < match.by)) {
            row = candidate;
            match = {name, *by};
        }
    }
    bool found() const { return row >= 0; }
};

Best bestDirect(const SourceRows& rows, const CargoNames& names, bool othersAreSynonyms)
{
    Best best;
    for (int row = 0; row < rows.names.size(); ++row) {
        const QString other = rows.others.value(row);
        best.offer(row, rows.names[row],
                   othersAreSynonyms ? names.matchDirectly(rows.names[row], synonymsOf(other))
                                     : names.matchDirectly(rows.names[row], {}, other));
    }
    return best;
}

Best bestThroughOthers(const QStringList& rowNames, const CargoNames& names)
{
    Best best;
    for (int row = 0; row < rowNames.size(); ++row)
        best.offer(row, rowNames[row], names.matchThroughOthers(rowNames[row]));
    return best;
}

Best bestOf(const QStringList& rowNames, const CargoNames& names)
{
    Best best;
    for (int row = 0; row < rowNames.size(); ++row) {
        std::optional<OverviewMatch::By> by = names.matchDirectly(rowNames[row]);
        if (!by)
            by = names.matchThroughOthers(rowNames[row]);
        best.offer(row, rowNames[row], by);
    }
    return best;
}

// A UN number as the sources write it ("1090", "UN 1090"): its digits.
QString unDigits(const QString& text)
{
    QString digits;
    for (QChar c : text) {
        if (c.isDigit())
            digits += c;
    }
    return digits;
}

// The names of the source's other entries under one of the UN numbers, each once; a second entry under the
// chosen one's very name is the same product, not another.
QStringList sameUnNumber(const SourceRows& rows, const Best& chosen, const QStringList& unNumbers)
{
    QStringList names;
    for (int row = 0; row < rows.names.size(); ++row) {
        const QString& name = rows.names[row];
        if ((chosen.found() && name == chosen.match.name) || names.contains(name))
            continue;
        if (unNumbers.contains(unDigits(rows.unNumbers[row])))
            names << name;
    }
    return names;
}

OverviewSection emptySection(OverviewSource source)
{
    OverviewSection section;
    section.source = source;
    return section;
}

RecordSet positioned(RecordSet records, int row)
{
    records.setBookmark({row});
    return records;
}

// The cargo names of the Unitor catalogue, each once, in the catalogue's order.
QStringList catalogueNames()
{
    QStringList names;
    for (const UnitorCatalogue::Entry& entry : UnitorCatalogue::entries())
        names << entry.names;
    names.removeDuplicates();
    return names;
}

} // namespace

QString matchedByKey(OverviewMatch::By by)
{
    switch (by) {
    case OverviewMatch::By::Name:
        return QStringLiteral("name");
    case OverviewMatch::By::Normalised:
        return QStringLiteral("normalised");
    case OverviewMatch::By::Synonym:
        return QStringLiteral("synonym");
    case OverviewMatch::By::FullName:
        return QStringLiteral("full-name");
    }
    return {};
}

QString OverviewSection::heading() const
{
    switch (source) {
    case OverviewSource::Tavro:
        return QStringLiteral("Tavro");
    case OverviewSource::Jo:
        return QStringLiteral("Jo Tankers");
    case OverviewSource::Unitor:
        return QStringLiteral("Unitor");
    case OverviewSource::Henkel:
        return QStringLiteral("Henkel");
    case OverviewSource::Compatibility:
        return tr("Compatibility");
    }
    return {};
}

QString OverviewSection::key() const
{
    switch (source) {
    case OverviewSource::Tavro:
        return QStringLiteral("tavro");
    case OverviewSource::Jo:
        return QStringLiteral("jo");
    case OverviewSource::Unitor:
        return QStringLiteral("unitor");
    case OverviewSource::Henkel:
        return QStringLiteral("henkel");
    case OverviewSource::Compatibility:
        return QStringLiteral("compatibility");
    }
    return {};
}

QString OverviewSection::matchLine(const QString& cargo) const
{
    if (!match) {
        if (source == OverviewSource::Compatibility)
            return tr("No source gives %1 a USCG group.").arg(cargo);
        return tr("%1 holds nothing for %2.").arg(heading(), cargo);
    }
    switch (match->by) {
    case OverviewMatch::By::Name:
        return tr("Found under the same name, %1.").arg(match->name);
    case OverviewMatch::By::Normalised:
        return tr("Found as %1, the same name up to case, blanks and punctuation.").arg(match->name);
    case OverviewMatch::By::Synonym:
        return tr("Found as %1, a synonym in the Jo Tankers list.").arg(match->name);
    case OverviewMatch::By::FullName:
        return tr("Found as %1, by the Tavro full name.").arg(match->name);
    }
    return {};
}

QString OverviewSection::sameUnLine() const
{
    if (sameUn.isEmpty())
        return {};
    return QStringLiteral("same UN number: ") + sameUn.join(QStringLiteral(", "));
}

Result<CargoOverview> CargoOverview::build(const DataFolders& folders, const QString& cargo)
{
    using namespace HenkelGuide;
    const Store store(folders.dataFolder());
    const Result<SourceRows> tavro =
        readRows(store, Schema::CleaningFile, RecordSources::DtaA, Schema::NameField,
                 QStringLiteral("Full Name"), QStringLiteral("United No"));
    if (!tavro)
        return Failure{tavro.error()};
    const Result<SourceRows> jo =
        readRows(store, Schema::JoTankersFile, RecordSources::DtaJo, QStringLiteral("PRODUCT"),
                 QStringLiteral("SYNONIMS"), QStringLiteral("UN"));
    if (!jo)
        return Failure{jo.error()};
    const Result<SourceRows> oils = readRows(store, Schema::HenkelFile, RecordSources::DtaH, Fields::Product);
    if (!oils)
        return Failure{oils.error()};
    const Result<SourceRows> additional =
        readRows(store, Schema::HenkelFile, RecordSources::dtaH1, Fields::Chemical);
    if (!additional)
        return Failure{additional.error()};

    // The two sources that give a cargo other names are matched on the officer's name first; what they
    // found then names the cargo for the others.
    CargoNames names(cargo);
    Best tavroBest = bestDirect(*tavro, names, false);
    Best joBest = bestDirect(*jo, names, true);
    if (tavroBest.found())
        names.addFullNames({tavro->names[tavroBest.row], tavro->others[tavroBest.row]});
    if (joBest.found())
        names.addSynonyms(QStringList{jo->names[joBest.row]} + synonymsOf(jo->others[joBest.row]));
    if (!tavroBest.found())
        tavroBest = bestThroughOthers(tavro->names, names);
    if (!joBest.found())
        joBest = bestThroughOthers(jo->names, names);
    const QStringList unitorNames = catalogueNames();
    const Best unitorBest = bestOf(unitorNames, names);
    const Best oilBest = bestOf(oils->names, names);
    const Best additionalBest = bestOf(additional->names, names);

    CargoOverview overview;
    overview.m_cargo = cargo;
    QStringList unNumbers;
    OverviewSection tavroSection = emptySection(OverviewSource::Tavro);
    if (tavroBest.found()) {
        tavroSection.match = tavroBest.match;
        tavroSection.record = positioned(tavro->records, tavroBest.row);
        tavroSection.texts = SourceContent::tavro(tavroBest.match.name, *tavroSection.record);
        unNumbers << unDigits(tavro->unNumbers[tavroBest.row]);
    }
    OverviewSection joSection = emptySection(OverviewSource::Jo);
    if (joBest.found()) {
        joSection.match = joBest.match;
        joSection.record = positioned(jo->records, joBest.row);
        joSection.texts = SourceContent::jo(*joSection.record);
        unNumbers << unDigits(jo->unNumbers[joBest.row]);
    }
    unNumbers.removeAll(QString());
    tavroSection.sameUn = sameUnNumber(*tavro, tavroBest, unNumbers);
    joSection.sameUn = sameUnNumber(*jo, joBest, unNumbers);

    OverviewSection unitorSection = emptySection(OverviewSource::Unitor);
    if (unitorBest.found()) {
        unitorSection.match = unitorBest.match;
        const Result<std::unique_ptr<Manual>> manual =
            Manual::open(folders.locate(QStringLiteral("Unitor.hlp")));
        unitorSection.topics =
            SourceContent::unitorTopics(unitorBest.match.name, manual ? manual->get() : nullptr);
        unitorSection.texts = SourceContent::unitor(unitorSection.topics);
    }

    OverviewSection henkelSection = emptySection(OverviewSource::Henkel);
    const bool oil =
        oilBest.found() && (!additionalBest.found() || oilBest.match.by <= additionalBest.match.by);
    if (oil || additionalBest.found()) {
        const Best& best = oil ? oilBest : additionalBest;
        henkelSection.match = best.match;
        henkelSection.record = positioned((oil ? oils : additional)->records, best.row);
        henkelSection.texts = SourceContent::henkel(*henkelSection.record);
    }

    // The chart's word goes with the USCG group of the operator's record, else of Jo Tankers' product.
    OverviewSection compatibilitySection = emptySection(OverviewSource::Compatibility);
    const QString tavroGroup =
        tavroSection.record ? tavroSection.record->value(QStringLiteral("Compatability Chart No")).trimmed()
                            : QString();
    const QString joGroup =
        joSection.record ? joSection.record->value(QStringLiteral("USCG")).trimmed() : QString();
    const OverviewSection* grouped = !tavroGroup.isEmpty() ? &tavroSection
                                     : !joGroup.isEmpty()  ? &joSection
                                                           : nullptr;
    if (grouped) {
        QStringList known = names.all();
        for (const OverviewSection* section : {&tavroSection, &joSection}) {
            if (section->match && !known.contains(section->match->name))
                known << section->match->name;
        }
        overview.m_compatibility =
            SourceContent::compatibility(grouped == &tavroSection ? tavroGroup : joGroup, known);
        compatibilitySection.match = grouped->match;
        compatibilitySection.texts = SourceContent::compatibility(*overview.m_compatibility);
    }

    overview.m_sections = {tavroSection, joSection, unitorSection, henkelSection, compatibilitySection};
    return overview;
}

const OverviewSection& CargoOverview::section(OverviewSource source) const
{
    return m_sections[qsizetype(source)];
}

bool CargoOverview::holdsCargo() const
{
    return std::any_of(m_sections.cbegin(), m_sections.cend(),
                       [](const OverviewSection& section) { return section.holdsCargo(); });
}
