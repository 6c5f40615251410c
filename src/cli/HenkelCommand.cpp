#include "cli/HenkelCommand.h"

#include "cli/RecordReport.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "suppliers/HenkelGuide.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

// One of the tab's two look-ups: where it looks, and the fields it answers with under their JSON names.
struct Tool {
    QString name;
    QString recordSource;
    QString criterionPrefix;
    QString noun;
    QList<std::pair<QString, QString>> answer;
};

const QList<Tool>& tools()
{
    using namespace HenkelGuide;
    static const QList<Tool> all{
        {QStringLiteral("oil"),
         RecordSources::DtaH,
         CriterionPrefixes::HenkelOil,
         QStringLiteral("oil"),
         {{QStringLiteral("product"), Fields::Product},
          {QStringLiteral("prewash"), Fields::PreWash},
          {QStringLiteral("final"), Fields::Final}}},
        {QStringLiteral("additional"),
         RecordSources::dtaH1,
         CriterionPrefixes::HenkelChemical,
         QStringLiteral("chemical"),
         {{QStringLiteral("chemical"), Fields::Chemical}, {QStringLiteral("solution"), Fields::Solution}}},
    };
    return all;
}

} // namespace

int runHenkel(const QStringList& arguments, CliContext& context)
{
    const QString usage = QStringLiteral("velcarin-cli henkel oil|additional NAME [--json] [--data-dir DIR]");
    CommandLine commandLine(usage, 2);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString toolName = commandLine.positional().first();
    const auto tool = std::find_if(tools().cbegin(), tools().cend(),
                                   [&toolName](const Tool& candidate) { return candidate.name == toolName; });
    if (tool == tools().cend()) {
        context.err << "no look-up " << toolName << "; usage: " << usage << Qt::endl;
        return ExitCode::BadUse;
    }
    const NamedRecord found = findNamedRecord(commandLine, Schema::HenkelFile, tool->recordSource,
                                              tool->criterionPrefix, tool->noun, context);
    if (!found.record)
        return found.exitCode;

    if (commandLine.json()) {
        QJsonObject object;
        for (const auto& [key, field] : tool->answer)
            object.insert(key, found.record->value(field));
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else {
        for (const auto& [key, field] : tool->answer)
            printField(context.out, field, found.record->value(field));
    }
    return ExitCode::Found;
}
