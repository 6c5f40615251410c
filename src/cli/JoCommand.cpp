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
                        CriterionPrefixes::JoProduct, QStringLiteral("product"), SearchSource::Jo, context);
    if (!product.record)
        return product.exitCode;
    productReport(*product.record).print(commandLine.json(), context.out);
    return ExitCode::Found;
}

} // namespace

RecordReport productReport(const RecordSet& product)
{
    ProductNames names;
    nameProduct(ProductCodes::fromRecord(product), names);
    RecordReport report(product);
    report.addText(QStringLiteral("USCG group name"), names.groupName);
    report.addText(QStringLiteral("IMDG class name"), names.className);
    return report;
}

ArgumentHelp productName()
{
    return recordName(QStringLiteral("The product's name as the Jo Tankers list writes it."),
                      Schema::JoTankersFile, RecordSources::DtaJo, QStringLiteral("PRODUCT"));
}

ArgumentHelp methodOption(const QString& description)
{
    QStringList methods;
    for (int method = 1; method <= CleaningMethods::Count; ++method)
        methods << QString::number(method);
    return {QStringLiteral("--method"), QStringLiteral("N"), description, Completion::Words,
            [methods](const CompletionContext&) {
                return methods;
            }};
}

const CommandHelp& joHelp()
{
    static const CommandHelp help{
        QStringLiteral("jo"),
        QStringLiteral("What the Jo Tankers tab shows for a product, or the steps of a cleaning method"),
        {QStringLiteral("velcarin-cli jo NAME [--json] [--data-dir DIR]"),
         QStringLiteral("velcarin-cli jo --method N [--json]")},
        QStringLiteral("Every field of the product's record with its USCG group and IMDG class names; or the "
                       "steps of one of the twelve cleaning methods."),
        {productName()},
        {methodOption(QStringLiteral("Print the steps of cleaning method N, 1 to 12.")), jsonOption()},
        {},
        QStringLiteral("velcarin-cli jo --method 3"),
    };
    return help;
}

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
    CommandLine commandLine(joHelp(), method ? 0 : 1);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    return method ? printMethod(commandLine, context) : printProduct(commandLine, context);
}
