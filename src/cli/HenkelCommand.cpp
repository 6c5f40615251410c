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
    SearchSource searched;
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
         SearchSource::HenkelOil,
         {{QStringLiteral("product"), Fields::Product},
          {QStringLiteral("prewash"), Fields::PreWash},
          {QStringLiteral("final"), Fields::Final}}},
        {QStringLiteral("additional"),
         RecordSources::dtaH1,
         CriterionPrefixes::HenkelChemical,
         QStringLiteral("chemical"),
         SearchSource::HenkelAdditional,
         {{QStringLiteral("chemical"), Fields::Chemical}, {QStringLiteral("solution"), Fields::Solution}}},
    };
    return all;
}

const Tool& toolOf(const RecordSet& found)
{
    const auto tool = std::find_if(tools().cbegin(), tools().cend(), [&found](const Tool& candidate) {
        return candidate.recordSource == found.source();
    });
    return tool == tools().cend() ? tools().first() : *tool;
}

const Tool* toolNamed(const QString& name)
{
    const auto tool = std::find_if(tools().cbegin(), tools().cend(),
                                   [&name](const Tool& candidate) { return candidate.name == name; });
    return tool == tools().cend() ? nullptr : &*tool;
}

// The names of the look-up the command line names before them.
QStringList namesOfTool(const CompletionContext& context)
{
    const Tool* tool = toolNamed(context.arguments.value(0));
    if (!tool)
        return {};
    const QString field = tool->answer.first().second;
    return recordName({}, Schema::HenkelFile, tool->recordSource, field).words(context);
}

} // namespace

const CommandHelp& henkelHelp()
{
    static const CommandHelp help{
        QStringLiteral("henkel"),
        QStringLiteral("Henkel's pre-wash and final cleaning of an oil, or its solution for a chemical"),
        {QStringLiteral("velcarin-cli henkel oil|additional NAME [--json] [--data-dir DIR]")},
        QStringLiteral("The two look-ups of the Henkel tab: \"oil\" finds a vegetable or animal oil, "
                       "\"additional\" a chemical."),
        {{QStringLiteral("oil|additional"),
          {},
          QStringLiteral("Which of the two look-ups."),
          Completion::Words,
          [](const CompletionContext&) {
              return QStringList{QStringLiteral("oil"), QStringLiteral("additional")};
          }},
         {QStringLiteral("NAME"),
          {},
          QStringLiteral("The oil's or the chemical's name as the tab's list writes it."),
          Completion::Words,
          namesOfTool}},
        {jsonOption()},
        {},
        QStringLiteral("velcarin-cli henkel oil \"COCONUT OIL\""),
    };
    return help;
}

QJsonObject henkelAnswer(const RecordSet& found)
{
    QJsonObject object;
    for (const auto& [key, field] : toolOf(found).answer)
        object.insert(key, found.value(field));
    return object;
}

int runHenkel(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(henkelHelp(), 2);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString toolName = commandLine.positional().first();
    const Tool* tool = toolNamed(toolName);
    if (!tool)
        return commandLine.badUse(context, QStringLiteral("no look-up ") + toolName);
    const NamedRecord found = findNamedRecord(commandLine, Schema::HenkelFile, tool->recordSource,
                                              tool->criterionPrefix, tool->noun, tool->searched, context);
    if (!found.record)
        return found.exitCode;

    if (commandLine.json()) {
        context.out << QJsonDocument(henkelAnswer(*found.record)).toJson(QJsonDocument::Indented);
    } else {
        for (const auto& [key, field] : tool->answer)
            printField(context.out, field, found.record->value(field));
    }
    return ExitCode::Found;
}
