#include "cli/MixtureCommand.h"

#include "cli/RecordReport.h"
#include "data/RecordSources.h"
#include "data/Schema.h"

#include <QJsonDocument>
#include <QJsonObject>

int runMixture(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(QStringLiteral("velcarin-cli mixture NAME [--json] [--data-dir DIR]"), 1);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const NamedRecord mixture =
        findNamedRecord(commandLine, Schema::HenkelFile, RecordSources::dtaChem,
                        CriterionPrefixes::HenkelMixture, QStringLiteral("mixture"), context);
    if (!mixture.record)
        return mixture.exitCode;

    const RecordSet& record = *mixture.record;
    if (!commandLine.json()) {
        RecordReport(record).print(false, context.out);
        return ExitCode::Found;
    }
    QJsonObject fields;
    for (int field = 0; field < record.fieldCount(); ++field)
        fields.insert(record.fieldName(field), record.value(field));
    context.out << QJsonDocument(fields).toJson(QJsonDocument::Indented);
    return ExitCode::Found;
}
