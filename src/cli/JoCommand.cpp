#include "cli/JoCommand.h"

#include "cli/RecordReport.h"
#include "data/RecordSet.h"
#include "data/RecordSources.h"
#include "data/Schema.h"
#include "jo/CleaningMethods.h"
#include "jo/ProductAdvice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

const QString Usage = QStringLiteral("velcarin-cli jo NAME [--json] [--data-dir DIR]\n"
                                     "       velcarin-cli jo --method N [--json]");
const QString MethodOption = QStringLiteral("method");

bool asksForAMethod(const QStringList& arguments)
{
    return std::any_of(arguments.cbegin(), arguments.cend(), [](const QString& argument) {
        return argument == QLatin1String("--method") || argument.startsWith(QLatin1String("--method="));
    });
}

int printMethod(const CommandLine& commandLine, CliContext& context)
{
    const std::optional<int> method = methodNumber(commandLine.value(MethodOption), context);
    if (!method)
        return ExitCode::BadUse;
    const QStringList steps = CleaningMethods::steps(*method);
    if (commandLine.json()) {
        const QJsonObject object{{QStringLiteral("Method"), *method},
                                 {QStringLiteral("Steps"), QJsonArray::fromStringList(steps)},
                                 {QStringLiteral("Text"), CleaningMethods::text(*method)}};
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return ExitCode::Found;
    }
    for (const QString& step : steps)
        context.out << step << '\n';
    return ExitCode::Found;
}

int printProduct(const CommandLine& commandLine, CliContext& context)
{
    const NamedRecord product =
        findNamedRecord(commandLine, Schema::JoTankersFile, RecordSources::DtaJo,
                        CriterionPrefixes::JoProduct, QStringLiteral("product"), context);
    if (!product.record)
        return product.exitCode;
    ProductNames names;
    nameProduct(ProductCodes::fromRecord(*product.record), names);
    RecordReport report(*product.record);
    report.addText(QStringLiteral("USCG group name"), names.groupName);
    report.addText(QStringLiteral("IMDG class name"), names.className);
    report.print(commandLine.json(), context.out);
    return ExitCode::Found;
}

} // namespace

std::optional<int> methodNumber(const QString& argument, CliContext& context)
{
    bool isNumber = false;
    const int method = argument.toInt(&isNumber);
    if (isNumber && method >= 1 && method <= CleaningMethods::Count)
        return method;
    context.err << "no cleaning method " << argument << "; methods are 1 to " << CleaningMethods::Count
                << Qt::endl;
    return std::nullopt;
}

int runJo(const QStringList& arguments, CliContext& context)
{
    const bool method = asksForAMethod(arguments);
    CommandLine commandLine(Usage, method ? 0 : 1);
    commandLine.addOption(
        {MethodOption, QStringLiteral("Print the steps of cleaning method N."), QStringLiteral("N")});
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    return method ? printMethod(commandLine, context) : printProduct(commandLine, context);
}
