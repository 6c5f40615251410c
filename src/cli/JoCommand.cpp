#include "JoCommand.h"

#include "CleaningMethods.h"
#include "Criterion.h"
#include "ProductAdvice.h"
#include "RecordSet.h"
#include "RecordSources.h"
#include "Schema.h"
#include "Store.h"

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
    bool isNumber = false;
    const int method = commandLine.value(MethodOption).toInt(&isNumber);
    if (!isNumber || method < 1 || method > CleaningMethods::Count) {
        context.err << "no cleaning method " << commandLine.value(MethodOption) << "; methods are 1 to "
                    << CleaningMethods::Count << Qt::endl;
        return ExitCode::BadUse;
    }
    const QStringList steps = CleaningMethods::steps(method);
    if (commandLine.json()) {
        const QJsonObject object{{QStringLiteral("Method"), method},
                                 {QStringLiteral("Steps"), QJsonArray::fromStringList(steps)},
                                 {QStringLiteral("Text"), CleaningMethods::text(method)}};
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return ExitCode::Found;
    }
    for (const QString& step : steps)
        context.out << step << '\n';
    return ExitCode::Found;
}

int printProduct(const CommandLine& commandLine, CliContext& context)
{
    const QString name = commandLine.positional().first();
    const Store store(commandLine.dataDir());
    std::optional<RecordSet> products =
        openRecordSet(store, Schema::JoTankersFile, RecordSources::DtaJo, context);
    if (!products)
        return ExitCode::BadUse;
    if (!products->findFirst(Criterion::build(CriterionPrefixes::JoProduct, name))) {
        context.err << "no product named " << name << Qt::endl;
        return ExitCode::NotFound;
    }

    ProductNames names;
    nameProduct(ProductCodes::fromRecord(*products), names);
    const QList<std::pair<QString, QString>> decoded{
        {QStringLiteral("USCG group name"), names.groupName},
        {QStringLiteral("IMDG class name"), names.className},
    };

    if (commandLine.json()) {
        QJsonObject fields;
        for (int field = 0; field < products->fieldCount(); ++field)
            fields.insert(products->fieldName(field), products->value(field));
        QJsonObject object{{QStringLiteral("fields"), fields}};
        for (const auto& [label, text] : decoded)
            object.insert(label, text);
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return ExitCode::Found;
    }
    for (int field = 0; field < products->fieldCount(); ++field)
        printField(context.out, products->fieldName(field), products->value(field));
    for (const auto& [label, text] : decoded)
        printField(context.out, label, text);
    return ExitCode::Found;
}

} // namespace

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
