#include "cli/CompatCommand.h"

#include "adviser/Vocabulary.h"
#include "charts/CompatibilityChart.h"
#include "charts/CompatibilityExceptions.h"

#include <QJsonDocument>
#include <QJsonObject>

int runCompat(const QStringList& arguments, CliContext& context)
{
    using namespace CompatibilityChart;
    CommandLine commandLine(QStringLiteral("velcarin-cli compat G1 G2 [--json] [--data-dir DIR]"), 2);
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
