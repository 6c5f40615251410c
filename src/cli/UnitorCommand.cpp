#include "cli/UnitorCommand.h"

#include "adviser/UnitorCatalogue.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// One JSON value as text: a string quoted and escaped, a list of numbers or strings in brackets.
QString jsonText(const QJsonValue& value)
{
    if (value.isArray()) {
        QStringList items;
        for (const QJsonValue& item : value.toArray())
            items << jsonText(item);
        return QLatin1Char('[') + items.join(QLatin1String(", ")) + QLatin1Char(']');
    }
    // The writer takes arrays only; the value is cut out of a list of one.
    const QByteArray list = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(list.mid(1, list.size() - 2));
}

// One JSON object on one line, its keys in the order given.
QString jsonObject(const QList<std::pair<QString, QJsonValue>>& members)
{
    QStringList texts;
    for (const auto& [key, value] : members)
        texts << jsonText(key) + QLatin1String(": ") + jsonText(value);
    return QLatin1Char('{') + texts.join(QLatin1String(", ")) + QLatin1Char('}');
}

QJsonArray jsonList(const QList<int>& topics)
{
    QJsonArray list;
    for (int topic : topics)
        list << topic;
    return list;
}

QJsonArray jsonList(const QString& groups)
{
    QJsonArray list;
    for (QChar group : groups)
        list << QString(group);
    return list;
}

QString shown(const QList<int>& topics)
{
    QStringList numbers;
    for (int topic : topics)
        numbers << QString::number(topic);
    return numbers.isEmpty() ? QStringLiteral("none") : numbers.join(QLatin1String(", "));
}

QString shown(const QString& groups)
{
    QStringList letters;
    for (QChar group : groups)
        letters << QString(group);
    return letters.isEmpty() ? QStringLiteral("none") : letters.join(QLatin1String(", "));
}

int printGroupTopics(const CommandLine& commandLine, const QString& cargo, CliContext& context)
{
    const QString group = commandLine.value(QStringLiteral("group"));
    if (group.size() != 1 || !UnitorCatalogue::LoadingGroups.contains(group.at(0))) {
        context.err << "the loading group must be one of A, B, C, D, E, F or G, not \"" << group << '"'
                    << Qt::endl;
        return ExitCode::BadUse;
    }
    const QList<int> topics = UnitorCatalogue::topicsFor(cargo, group.at(0));
    if (topics.isEmpty()) {
        context.err << "no Unitor catalogue entry for " << cargo << " offers loading group " << group
                    << Qt::endl;
        return ExitCode::NotFound;
    }
    if (commandLine.json()) {
        context.out << jsonObject({{QStringLiteral("cargo"), cargo},
                                   {QStringLiteral("group"), group},
                                   {QStringLiteral("topics"), jsonList(topics)}})
                    << '\n';
        return ExitCode::Found;
    }
    printField(context.out, QStringLiteral("Cargo"), cargo);
    printField(context.out, QStringLiteral("Group"), group);
    printField(context.out, QStringLiteral("Topics"), shown(topics));
    return ExitCode::Found;
}

} // namespace

int runUnitor(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(QStringLiteral("velcarin-cli unitor NAME [--group G] [--json] [--data-dir DIR]"),
                            1);
    commandLine.addOption({QStringLiteral("group"),
                           QStringLiteral("The loading group A to G of the next cargo."),
                           QStringLiteral("G")});
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString cargo = commandLine.positional().first();
    if (commandLine.isSet(QStringLiteral("group")))
        return printGroupTopics(commandLine, cargo, context);

    const UnitorCatalogue::Advice advice = UnitorCatalogue::adviceFor(cargo);
    if (advice.isEmpty()) {
        context.err << "no Unitor catalogue entry holds the cargo " << cargo << Qt::endl;
        return ExitCode::NotFound;
    }
    if (commandLine.json()) {
        context.out << jsonObject({{QStringLiteral("cargo"), cargo},
                                   {QStringLiteral("topics"), jsonList(advice.topics)},
                                   {QStringLiteral("groups"), jsonList(advice.groups)}})
                    << '\n';
        return ExitCode::Found;
    }
    printField(context.out, QStringLiteral("Cargo"), cargo);
    printField(context.out, QStringLiteral("Topics"), shown(advice.topics));
    printField(context.out, QStringLiteral("Groups"), shown(advice.groups));
    return ExitCode::Found;
}
