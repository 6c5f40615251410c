#include "cli/CompatCommand.h"

#include "adviser/Vocabulary.h"
#include "charts/CompatibilityChart.h"
#include "charts/CompatibilityExceptions.h"

#include <QJsonDocument>
#include <QJsonObject>

const CommandHelp& compatHelp()
{
    static const CommandHelp help{
        QStringLiteral("compat"),
        QStringLiteral("Whether the USCG compatibility chart marks two cargo groups"),
        {QStringLiteral("velcarin-cli compat G1 G2 [--json] [--data-dir DIR]")},
        QStringLiteral(
            "Whether the chart marks row G1 in column G2 (a mark: the groups are not compatible), the "
            "groups' names and the published exceptions of group G1."),
        {{QStringLiteral("G1"), {}, QStringLiteral("The group of the chart's row: 1 to 22 or 30 to 43.")},
         {QStringLiteral("G2"), {}, QStringLiteral("The group of the chart's column: 1 to 22.")}},
        {jsonOption()},
        {{ExitCode::Found, QStringLiteral("the chart was read")},
         {ExitCode::BadUse, QStringLiteral("bad use, or a group that has no row or column in the chart")}},
        QStringLiteral("velcarin-cli compat 2 20"),
    };
    return help;
}

int runCompat(const QStringList& arguments, CliContext& context)
{
    using namespace CompatibilityChart;
    CommandLine commandLine(compatHelp(), 2);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString rowText = commandLine.positional().at(0);
    const QString columnText = commandLine.positional().at(1);

    // Group numbers are compared as the chart window compares them: "01" names no group.
    const std::optional<int> row = groupNamed(rowText, rowGroups());
    if (!row) {
        context.err << "group " << rowText << " has no row in the chart (rows: 1 to 22 and 30 to 43)"
                    << Qt::endl;
        return ExitCode::BadUse;
    }
    const std::optional<int> column = groupNamed(columnText, columnGroups());
    if (!column) {
        context.err << "group " << columnText << " has no column in the chart (columns: 1 to 22)" << Qt::endl;
        return ExitCode::BadUse;
    }

    const bool isMarked = marked(*row, *column);
    const QString rowName = Vocabulary::uscgGroupName(rowText).value_or(QString());
    const QString columnName = Vocabulary::uscgGroupName(columnText).value_or(QString());
    const std::optional<QString> exceptions = CompatibilityExceptions::textOf(rowText);

    if (commandLine.json()) {
        const QJsonObject object{
            {QStringLiteral("row"), rowText},
            {QStringLiteral("row name"), rowName},
            {QStringLiteral("column"), columnText},
            {QStringLiteral("column name"), columnName},
            {QStringLiteral("marked"), isMarked},
            {QStringLiteral("exceptions"), exceptions ? QJsonValue(*exceptions) : QJsonValue()},
        };
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return ExitCode::Found;
    }

    printField(context.out, QStringLiteral("Row"), rowText + QLatin1Char(' ') + rowName);
    printField(context.out, QStringLiteral("Column"), columnText + QLatin1Char(' ') + columnName);
    printField(context.out, QStringLiteral("Marked"),
               isMarked ? QStringLiteral("yes, the groups are not compatible")
                        : QStringLiteral("no, the groups are compatible"));
    printField(context.out, QStringLiteral("Exceptions"), exceptions.value_or(QStringLiteral("none")));
    return ExitCode::Found;
}
