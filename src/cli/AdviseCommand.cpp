#include "cli/AdviseCommand.h"

#include "adviser/CargoAdvice.h"
#include "adviser/Vocabulary.h"
#include "cli/RecordReport.h"
#include "data/RecordSet.h"
#include "data/RecordSources.h"
#include "data/Schema.h"

const CommandHelp& adviseHelp()
{
    static const CommandHelp help{
        QStringLiteral("advise"),
        QStringLiteral("What the operator tab shows for a cargo"),
        {QStringLiteral("velcarin-cli advise NAME [--json] [--data-dir DIR]")},
        QStringLiteral(
            "Every field of the cargo's record, the cleaning, temperature and notes texts its codes "
            "stand for, its IMDG class and USCG group names, and which marks the tab sets."),
        {cargoName()},
        {jsonOption()},
        {},
        QStringLiteral("velcarin-cli advise ACETONE"),
    };
    return help;
}

RecordReport adviceReport(const QString& name, const RecordSet& cargo)
{
    AdviceDisplay advice;
    bool contactOperator = false;
    adviseCargo(CargoCodes::fromRecord(name, cargo), advice,
                [&](const AdviceDisplay&) { contactOperator = true; });

    RecordReport report(cargo);
    report.addText(QStringLiteral("Cleaning text"), advice.cleaningText);
    report.addText(QStringLiteral("Temperature text"), advice.temperatureText);
    report.addText(QStringLiteral("Notes text"), advice.notesText);
    report.addText(QStringLiteral("IMDG class name"), advice.className);
    report.addText(QStringLiteral("USCG group name"), advice.groupName);
    report.addMark(QStringLiteral("Personal notes"), advice.personalNotesMarked);
    report.addMark(QStringLiteral("Pollution highlighted"), advice.pollutionMarked);
    report.addMark(QStringLiteral("Special handling shown"), advice.specialHandlingShown);
    report.addMark(QStringLiteral("Unitor shown"), advice.unitorShown);
    report.addMark(QStringLiteral("Cleaning text red"), advice.cleaningTextRed);
    if (contactOperator)
        report.addMessage(QStringLiteral("Cleaning instructions for cargo:  ") + name,
                          Vocabulary::contactOperatorText());
    return report;
}

int runAdvise(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(adviseHelp(), 1);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const NamedRecord cargo = findCargo(commandLine, context);
    if (!cargo.record)
        return cargo.exitCode;
    adviceReport(commandLine.positional().first(), *cargo.record).print(commandLine.json(), context.out);
    return ExitCode::Found;
}
