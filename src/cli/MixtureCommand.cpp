#include "cli/MixtureCommand.h"

#include "cli/RecordReport.h"
#include "data/RecordSources.h"
#include "data/Schema.h"

#include <QJsonDocument>
#include <QJsonObject>

const CommandHelp& mixtureHelp()
{
    static const CommandHelp help{
        QStringLiteral("mixture"),
        QStringLiteral("A cleaning mixture's medium, coating resistance, temperature and group"),
        {QStringLiteral("velcarin-cli mixture NAME [--json] [--data-dir DIR]")},
        QStringLiteral(
            "The mixture's record of the Solutions table, as the cleaning mediums window shows it."),
        {recordName(QStringLiteral("The mixture's name as the Solutions table writes it."),
                    Schema::HenkelFile, RecordSources::dtaChem, QStringLiteral("Mixture"))},
        {jsonOption()},
        {},
        QStringLiteral("velcarin-cli mixture \"BLEACH 1%\""),
    };
    return help;
}

int runMixture(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(mixtureHelp(), 1);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const NamedRecord mixture = findNamedRecord(commandLine, Schema::HenkelFile, RecordSources::dtaChem,
                                                CriterionPrefixes::HenkelMixture, QStringLiteral("mixture"),
                                                SearchSource::Mixture, context);
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
