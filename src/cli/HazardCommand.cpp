#include "cli/HazardCommand.h"

#include "charts/HazardRatings.h"
#include "cli/RecordReport.h"
#include "data/RecordSet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

const CommandHelp& hazardHelp()
{
    static const CommandHelp help{
        QStringLiteral("hazard"),
        QStringLiteral("A cargo's three health hazard ratings"),
        {QStringLiteral("velcarin-cli hazard NAME [--json] [--data-dir DIR]")},
        QStringLiteral(
            "Each rating with the heading of its scale and the description of the cargo's level, as "
            "the hazard window shows them."),
        {cargoName()},
        {jsonOption()},
        {},
        QStringLiteral("velcarin-cli hazard ACETONE"),
    };
    return help;
}

int runHazard(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(hazardHelp(), 1);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const NamedRecord cargo = findCargo(commandLine, context);
    if (!cargo.record)
        return cargo.exitCode;
    const QString name = cargo.record->value(QStringLiteral("Abbreviated Name"));

    if (commandLine.json()) {
        QJsonArray ratings;
        for (const HazardRatings::Scale& scale : HazardRatings::scales()) {
            const QString value = cargo.record->value(scale.name);
            ratings.append(
                QJsonObject{{QStringLiteral("scale"), scale.name},
                            {QStringLiteral("value"), value},
                            {QStringLiteral("heading"), scale.heading},
                            {QStringLiteral("description"), HazardRatings::description(scale, value)}});
        }
        const QJsonObject object{{QStringLiteral("cargo"), name}, {QStringLiteral("ratings"), ratings}};
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return ExitCode::Found;
    }
    printField(context.out, QStringLiteral("Cargo"), name);
    for (const HazardRatings::Scale& scale : HazardRatings::scales()) {
        const QString value = cargo.record->value(scale.name);
        printField(context.out, scale.name + QStringLiteral(" rating"), value);
        printField(context.out, scale.name + QStringLiteral(" heading"), scale.heading);
        printField(context.out, scale.name + QStringLiteral(" description"),
                   HazardRatings::description(scale, value));
    }
    return ExitCode::Found;
}
