#include "AdviseCommand.h"

#include "CargoAdvice.h"
#include "Criterion.h"
#include "RecordSet.h"
#include "RecordSources.h"
#include "Schema.h"
#include "Store.h"
#include "Vocabulary.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Message {
    QString title;
    QString text;
};

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace

int runAdvise(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(QStringLiteral("velcarin-cli advise NAME [--json] [--data-dir DIR]"), 1);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString name = commandLine.positional().first();

    const Store store(commandLine.dataDir());
    std::optional<RecordSet> cargoes =
        openRecordSet(store, Schema::CleaningFile, RecordSources::DtaA, context);
    if (!cargoes)
        return ExitCode::BadUse;
    if (!cargoes->findFirst(Criterion::build(CriterionPrefixes::CleaningName, name))) {
        context.err << "no cargo named " << name << Qt::endl;
        return ExitCode::NotFound;
    }

    AdviceDisplay advice;
    std::optional<Message> message;
    adviseCargo(CargoCodes::fromRecord(name, *cargoes), advice, [&](const AdviceDisplay&) {
        message = Message{QStringLiteral("Cleaning instructions for cargo:  ") + name,
                          Vocabulary::contactOperatorText()};
    });

    const QList<std::pair<QString, QString>> decoded{
        {QStringLiteral("Cleaning text"), advice.cleaningText},
        {QStringLiteral("Temperature text"), advice.temperatureText},
        {QStringLiteral("Notes text"), advice.notesText},
        {QStringLiteral("IMDG class name"), advice.className},
        {QStringLiteral("USCG group name"), advice.groupName},
    };
    const QList<std::pair<QString, bool>> marks{
        {QStringLiteral("Personal notes"), advice.personalNotesMarked},
        {QStringLiteral("Pollution highlighted"), advice.pollutionMarked},
        {QStringLiteral("Special handling shown"), advice.specialHandlingShown},
        {QStringLiteral("Unitor shown"), advice.unitorShown},
        {QStringLiteral("Cleaning text red"), advice.cleaningTextRed},
    };

    if (commandLine.json()) {
        QJsonObject fields;
        for (int field = 0; field < cargoes->fieldCount(); ++field)
            fields.insert(cargoes->fieldName(field), cargoes->value(field));
        QJsonObject object{{QStringLiteral("fields"), fields}};
        for (const auto& [label, text] : decoded)
            object.insert(label, text);
        for (const auto& [label, mark] : marks)
            object.insert(label, mark);
        if (message)
            object.insert(QStringLiteral("Message"), QJsonObject{{QStringLiteral("title"), message->title},
                                                                 {QStringLiteral("text"), message->text}});
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
        return ExitCode::Found;
    }

    for (int field = 0; field < cargoes->fieldCount(); ++field)
        printField(context.out, cargoes->fieldName(field), cargoes->value(field));
    for (const auto& [label, text] : decoded)
        printField(context.out, label, text);
    for (const auto& [label, mark] : marks)
        printField(context.out, label, yesNo(mark));
    if (message)
        printField(context.out, QStringLiteral("Message"),
                   message->title + QLatin1Char('\n') + message->text);
    return ExitCode::Found;
}
