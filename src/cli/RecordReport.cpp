#include "cli/RecordReport.h"

#include "cli/NearMisses.h"
#include "data/Criterion.h"
#include "data/RecordSet.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "data/Store.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Whether the engine read all that the command has read of the file so far; if not, it says why.
bool readWhole(const RecordSet& records, CliContext& context)
{
    if (records.readError().isEmpty())
        return true;
    context.err << "the database file \"" << QDir::toNativeSeparators(records.databasePath())
                << "\" cannot be read: " << records.readError() << Qt::endl;
    return false;
}

} // namespace

NamedRecord findNamedRecord(const CommandLine& commandLine, const QString& fileName, const QString& source,
                            const QString& criterionPrefix, const QString& noun, SearchSource searched,
                            CliContext& context)
{
    const QString name = commandLine.positional().last();
    const Store store(commandLine.dataDir());
    NamedRecord found{openRecordSet(store, fileName, source, context)};
    if (!found.record) {
        found.exitCode = ExitCode::BadUse;
        return found;
    }
    const bool named = found.record->findFirst(Criterion::build(criterionPrefix, name));
    // The record's fields are read together: reading one tells whether all could be.
    if (named)
        found.record->value(0);
    if (!readWhole(*found.record, context)) {
        found.record.reset();
        found.exitCode = ExitCode::BadUse;
    } else if (!named) {
        context.err << "no " << noun << " named " << name << Qt::endl;
        reportNearMisses(commandLine, name, {searched}, context);
        found.record.reset();
        found.exitCode = ExitCode::NotFound;
    }
    return found;
}

NamedRecord findCargo(const CommandLine& commandLine, CliContext& context)
{
    return findNamedRecord(commandLine, Schema::CleaningFile, RecordSources::DtaA,
                           CriterionPrefixes::CleaningName, QStringLiteral("cargo"), SearchSource::Tavro,
                           context);
}

ArgumentHelp cargoName()
{
    return recordName(
        QStringLiteral("The cargo's name as the cargo list writes it, capitals and blanks included."),
        Schema::CleaningFile, RecordSources::DtaA, QStringLiteral("Abbreviated Name"));
}

RecordReport::RecordReport(const RecordSet& record)
    : m_record(record)
{
}

void RecordReport::addText(const QString& label, const QString& text)
{
    m_entries << Entry{label, text, text};
}

void RecordReport::addMark(const QString& label, bool mark)
{
    m_entries << Entry{label, mark ? QStringLiteral("yes") : QStringLiteral("no"), mark};
}

void RecordReport::addMessage(const QString& title, const QString& text)
{
    m_entries << Entry{QStringLiteral("Message"), title + QLatin1Char('\n') + text,
                       QJsonObject{{QStringLiteral("title"), title}, {QStringLiteral("text"), text}}};
}

QJsonObject RecordReport::json() const
{
    QJsonObject fields;
    for (int field = 0; field < m_record.fieldCount(); ++field)
        fields.insert(m_record.fieldName(field), m_record.value(field));
    QJsonObject object{{QStringLiteral("fields"), fields}};
    for (const Entry& entry : m_entries)
        object.insert(entry.label, entry.json);
    return object;
}

void RecordReport::print(bool json, QTextStream& out) const
{
    if (json) {
        out << QJsonDocument(this->json()).toJson(QJsonDocument::Indented);
        return;
    }
    for (int field = 0; field < m_record.fieldCount(); ++field)
        printField(out, m_record.fieldName(field), m_record.value(field));
    for (const Entry& entry : m_entries)
        printField(out, entry.label, entry.text);
}
