#include "cli/UnitorCommand.h"

#include "adviser/UnitorCatalogue.h"
#include "cli/NearMisses.h"

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
        if (UnitorCatalogue::adviceFor(cargo).isEmpty())
            reportNearMisses(commandLine, cargo, {SearchSource::Unitor}, context);
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

const CommandHelp& unitorHelp()
{
    static const CommandHelp help{
        QStringLiteral("unitor"),
        QStringLiteral("The topics of the Unitor tank cleaning manual for a previous cargo"),
        {QStringLiteral("velcarin-cli unitor NAME [--group G] [--json] [--data-dir DIR]")},
        QStringLiteral(
            "The topics the Unitor window asks for after the cargo and the loading groups of the next "
            "cargo it offers; with --group, the topics for that loading group."),
        {{QStringLiteral("NAME"),
          {},
          QStringLiteral("The previous cargo's name as the Unitor catalogue writes it."),
          Completion::Words,
          [](const CompletionContext&) {
              return UnitorCatalogue::cargoNames();
          }}},
        {{QStringLiteral("--group"), QStringLiteral("G"),
          QStringLiteral("The loading group A to G of the next cargo."), Completion::Words,
          [](const CompletionContext&) {
              return UnitorCatalogue::LoadingGroups.split(QString(), Qt::SkipEmptyParts);
          }},
         jsonOption()},
        {},
        QStringLiteral("velcarin-cli unitor ACETONE --group C"),
    };
    return help;
}

QList<std::pair<QString, QJsonValue>> unitorAdviceMembers(const QString& cargo,
                                                          const UnitorCatalogue::Advice& advice)
{
    return {{QStringLiteral("cargo"), cargo},
            {QStringLiteral("topics"), jsonList(advice.topics)},
            {QStringLiteral("groups"), jsonList(advice.groups)}};
}

int runUnitor(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(unitorHelp(), 1);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString cargo = commandLine.positional().first();
    if (commandLine.isSet(QStringLiteral("group")))
        return printGroupTopics(commandLine, cargo, context);

    const UnitorCatalogue::Advice advice = UnitorCatalogue::adviceFor(cargo);
    if (advice.isEmpty()) {
        context.err << "no Unitor catalogue entry holds the cargo " << cargo << Qt::endl;
        reportNearMisses(commandLine, cargo, {SearchSource::Unitor}, context);
        return ExitCode::NotFound;
    }
    if (commandLine.json()) {
        context.out << jsonObject(unitorAdviceMembers(cargo, advice)) << '\n';
        return ExitCode::Found;
    }
    printField(context.out, QStringLiteral("Cargo"), cargo);
    printField(context.out, QStringLiteral("Topics"), shown(advice.topics));
    printField(context.out, QStringLiteral("Groups"), shown(advice.groups));
    return ExitCode::Found;
}
