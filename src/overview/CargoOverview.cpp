#include "overview/CargoOverview.h"

#include "adviser/UnitorCatalogue.h"
#include "data/Criterion.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "data/SqlName.h"
#include "data/SqliteStatement.h"
#include "data/Store.h"
#include "help/Manual.h"
#include "jo/ProductAdvice.h"
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

// Where a source's entries are, and how its adviser finds one by name.
struct SourceTable {
    QString fileName;
    QString table;
    QString nameField;
    QString otherField; // Tavro's full names, Jo Tankers' synonym lists; empty elsewhere
    QString unField;    // empty for a source without UN numbers
    QString recordSource;
    QString criterionPrefix;
};

// The names and other names of a source's entries, read in one pass over the table: the entries' other
// fields are read only for the one found to be the cargo.
struct SourceRows {
    const SourceTable* source;
    Database database;
    QStringList names;
    QStringList others;
};

// Every entry of the source, or where a name is given only the entries of that very name, found through
// the name's index without a pass over the table.
Result<SourceRows> readRows(const Store& store, const SourceTable& source, const QString& onlyNamed = {})
{
    Result<Database> database = store.open(source.fileName);
    if (!database)
        return Failure{database.error()};
    const QString name = quotedSqlName(source.nameField);
    QString sql =
        QStringLiteral("select %1, %2 from %3")
            .arg(name, source.otherField.isEmpty() ? QStringLiteral("''") : quotedSqlName(source.otherField),
                 quotedSqlName(source.table));
    if (!onlyNamed.isEmpty())
        sql += QStringLiteral(" where %1 = ?").arg(name);
    SqliteStatement query(*database, sql);
    if (!onlyNamed.isEmpty())
        query.bind(1, onlyNamed);
    SourceRows rows{&source, *database, {}, {}};
    while (query.next()) {
        rows.names << query.text(0);
        rows.others << query.text(1);
    }
    if (const Result<> read = query.finished(); !read)
        return Failure{tr("The database file \"%1\" cannot be read: %2")
                           .arg(QDir::toNativeSeparators(database->path()), read.error())};
    return rows;
}

// The record set of the source's adviser standing on the entry of that name, as the adviser finds it.
Result<RecordSet> recordOf(const SourceRows& rows, const QString& name)
{
    Result<RecordSet> records = RecordSet::open(rows.database, rows.source->recordSource);
    if (!records)
        return Failure{records.error()};
    const bool found = records->findFirst(Criterion::build(rows.source->criterionPrefix, name));
    const QString path = QDir::toNativeSeparators(rows.database.path());
    if (!records->readError().isEmpty())
        return Failure{tr("The database file \"%1\" cannot be read: %2").arg(path, records->readError())};
    // Another program may have changed the file between the two reads.
    if (!found)
        return Failure{tr("The database file \"%1\" no longer holds %2.").arg(path, name)};
    return records;
}

const SourceTable& tavroTable()
{
    static const SourceTable table{
        Schema::CleaningFile,           Schema::CleaningTable,       Schema::NameField,
        QStringLiteral("Full Name"),    QStringLiteral("United No"), RecordSources::DtaA,
        CriterionPrefixes::CleaningName};
    return table;
}

const SourceTable& joTable()
{
    static const SourceTable table{Schema::JoTankersFile,       QStringLiteral("Cargoes"),
                                   QStringLiteral("PRODUCT"),   QStringLiteral("SYNONIMS"),
                                   QStringLiteral("UN"),        RecordSources::DtaJo,
                                   CriterionPrefixes::JoProduct};
    return table;
}

const SourceTable& oilTable()
{
    static const SourceTable table{
        Schema::HenkelFile,  QStringLiteral("VegOils"),   HenkelGuide::Fields::Product, {}, {},
        RecordSources::DtaH, CriterionPrefixes::HenkelOil};
    return table;
}

const SourceTable& additionalTable()
{
    static const SourceTable table{
        Schema::HenkelFile,   QStringLiteral("Additional"),     HenkelGuide::Fields::Chemical, {}, {},
        RecordSources::dtaH1, CriterionPrefixes::HenkelChemical};
    return table;
}

// The entry that is the cargo: the best way of matching wins, and of equals the first in name order, as
// the adviser's list shows them.
struct Best {
    int row = -1;
    OverviewMatch match;

    void offer(int candidate, const QString& name, std::optional<OverviewMatch::By> by)
    {
        if (by && (row < 0 || *by < match.by || (*by == match.by && name < match.name))) {
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

// The names of the source's other entries under one of the UN numbers ("1830", "UN 1830"), each once, in
// name order; a second entry under the chosen one's very name is the same product, not another.
Result<QStringList> sameUnNumber(const SourceRows& rows, const Best& chosen, const QStringList& unNumbers)
{
    const SourceTable& source = *rows.source;
    const QString sql =
        QStringLiteral("select %1, %2 from %3 where %2 like ?")
            .arg(quotedSqlName(source.nameField), quotedSqlName(source.unField), quotedSqlName(source.table));
    QStringList names;
    for (const QString& number : unNumbers) {
        SqliteStatement query(rows.database, sql);
        query.bind(1, u'%' + number + u'%');
        while (query.next()) {
            const QString name = query.text(0);
            if (unDigits(query.text(1)) == number && !names.contains(name) &&
                !(chosen.found() && name == chosen.match.name))
                names << name;
        }
        if (const Result<> read = query.finished(); !read)
            return Failure{tr("The database file \"%1\" cannot be read: %2")
                               .arg(QDir::toNativeSeparators(rows.database.path()), read.error())};
    }
    names.sort();
    return names;
}

OverviewSection emptySection(OverviewSource source)
{
    OverviewSection section;
    section.source = source;
    return section;
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
    const Store store(folders.dataFolder());
    // The two sources that give a cargo other names are matched on the officer's name first; what they
    // found then names the cargo for the others. The very name is the best match there is, and the index
    // finds it in the operator's long list without a pass over the table.
    CargoNames names(cargo);
    Result<SourceRows> tavro = readRows(store, tavroTable(), cargo);
    if (tavro && tavro->names.isEmpty())
        tavro = readRows(store, tavroTable());
    if (!tavro)
        return Failure{tavro.error()};
    Result<SourceRows> jo = readRows(store, joTable());
    if (!jo)
        return Failure{jo.error()};
    const Result<SourceRows> oils = readRows(store, oilTable());
    if (!oils)
        return Failure{oils.error()};
    const Result<SourceRows> additional = readRows(store, additionalTable());
    if (!additional)
        return Failure{additional.error()};
    Best tavroBest = bestDirect(*tavro, names, false);
    Best joBest = bestDirect(*jo, names, true);
    if (tavroBest.found())
        names.addFullNames({tavroBest.match.name, tavro->others[tavroBest.row]});
    if (joBest.found())
        names.addSynonyms(QStringList{joBest.match.name} + synonymsOf(jo->others[joBest.row]));
    if (!tavroBest.found())
        tavroBest = bestThroughOthers(tavro->names, names);
    if (!joBest.found())
        joBest = bestThroughOthers(jo->names, names);
    const QStringList unitorNames = UnitorCatalogue::cargoNames();
    const Best unitorBest = bestOf(unitorNames, names);
    const Best oilBest = bestOf(oils->names, names);
    const Best additionalBest = bestOf(additional->names, names);

    CargoOverview overview;
    overview.m_cargo = cargo;
    QStringList unNumbers;
    OverviewSection tavroSection = emptySection(OverviewSource::Tavro);
    if (tavroBest.found()) {
        tavroSection.match = tavroBest.match;
        Result<RecordSet> record = recordOf(*tavro, tavroBest.match.name);
        if (!record)
            return Failure{record.error()};
        tavroSection.record = std::move(*record);
        tavroSection.texts = SourceContent::tavro(tavroBest.match.name, *tavroSection.record);
        unNumbers << unDigits(tavroSection.record->value(tavroTable().unField));
    }
    OverviewSection joSection = emptySection(OverviewSource::Jo);
    if (joBest.found()) {
        joSection.match = joBest.match;
        Result<RecordSet> record = recordOf(*jo, joBest.match.name);
        if (!record)
            return Failure{record.error()};
        joSection.record = std::move(*record);
        joSection.texts = SourceContent::jo(*joSection.record);
        unNumbers << unDigits(joSection.record->value(joTable().unField));
    }
    unNumbers.removeAll(QString());
    for (const auto& [section, rows, best] :
         {std::tuple{&tavroSection, &*tavro, &tavroBest}, std::tuple{&joSection, &*jo, &joBest}}) {
        Result<QStringList> sameUn = sameUnNumber(*rows, *best, unNumbers);
        if (!sameUn)
            return Failure{sameUn.error()};
        section->sameUn = std::move(*sameUn);
    }

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
        Result<RecordSet> record = recordOf(oil ? *oils : *additional, best.match.name);
        if (!record)
            return Failure{record.error()};
        henkelSection.record = std::move(*record);
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
