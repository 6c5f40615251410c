#include "cli/PrintCommand.h"

#include "adviser/CargoAdvice.h"
#include "adviser/TavroSheet.h"
#include "cli/JoCommand.h"
#include "cli/RecordReport.h"
#include "data/RecordSources.h"
#include "data/SampleData.h"
#include "data/Schema.h"
#include "data/Store.h"
#include "jo/CleaningMethods.h"
#include "jo/JoSheet.h"
#include "sheet/SheetPdf.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

const QString PdfOption = QStringLiteral("pdf");
const QString JoOption = QStringLiteral("jo");
const QString MethodOption = QStringLiteral("method");

// The sheet as the tab shows it once the name is chosen; nothing, with the exit code, when it names
// nothing.
struct ChosenSheet {
    std::optional<Sheet> sheet;
    int exitCode = ExitCode::Found;
};

ChosenSheet tavroSheet(const CommandLine& commandLine, CliContext& context)
{
    const NamedRecord cargo = findNamedRecord(commandLine, Schema::CleaningFile, RecordSources::DtaA,
                                              CriterionPrefixes::CleaningName, QStringLiteral("cargo"),
                                              SearchSource::Tavro, context);
    if (!cargo.record)
        return {std::nullopt, cargo.exitCode};
    const QString name = commandLine.positional().first();
    AdviceDisplay advice;
    adviseCargo(CargoCodes::fromRecord(name, *cargo.record), advice, {});
    return {TavroSheet::ofCargo(name, *cargo.record, advice)};
}

ChosenSheet joSheet(const CommandLine& commandLine, int method, CliContext& context)
{
    const NamedRecord product =
        findNamedRecord(commandLine, Schema::JoTankersFile, RecordSources::DtaJo,
                        CriterionPrefixes::JoProduct, QStringLiteral("product"), SearchSource::Jo, context);
    if (!product.record)
        return {std::nullopt, product.exitCode};
    // Without a method the sheet is printed as right after the pick, with no steps.
    const QString steps = method ? CleaningMethods::text(method) : QString();
    return {JoSheet::ofProduct(commandLine.positional().first(), *product.record, steps)};
}

} // namespace

std::unique_ptr<QCoreApplication> drawingApplication(int& argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Outside a desktop session the platform would warn on standard error that it has no runtime folder;
    // a private one for the run keeps standard error for the command's own messages.
    static QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    return std::make_unique<QGuiApplication>(argc, argv);
}

int runPrint(const QStringList& arguments, CliContext& context)
{
    CommandLine commandLine(printHelp(), 1);
    if (!commandLine.parse(arguments, context))
        return ExitCode::BadUse;
    const QString pdf = commandLine.value(PdfOption);
    const bool jo = commandLine.isSet(JoOption);
    if (pdf.isEmpty() || (commandLine.isSet(MethodOption) && !jo))
        return commandLine.badUse(context);
    int method = 0;
    if (commandLine.isSet(MethodOption)) {
        const std::optional<int> number = methodNumber(commandLine.value(MethodOption), context);
        if (!number)
            return ExitCode::BadUse;
        method = *number;
    }

    ChosenSheet chosen = jo ? joSheet(commandLine, method, context) : tavroSheet(commandLine, context);
    if (!chosen.sheet)
        return chosen.exitCode;
    const QString database = jo ? Schema::JoTankersFile : Schema::CleaningFile;
    const bool sampleData = SampleData::isSample(Store(commandLine.dataDir()).pathOf(database));
    if (sampleData)
        chosen.sheet->addNotice(SampleData::notice());
    QString error;
    if (!SheetPdf::write(*chosen.sheet, pdf, &error)) {
        context.err << "cannot write " << pdf << ": " << error << Qt::endl;
        return ExitCode::BadUse;
    }
    const QString written = QFileInfo(pdf).absoluteFilePath();
    if (commandLine.json()) {
        const QJsonObject object{{QStringLiteral("sheet"), chosen.sheet->title},
                                 {QStringLiteral("name"), chosen.sheet->subject},
                                 {QStringLiteral("pdf"), written},
                                 {QStringLiteral("sampleData"), sampleData}};
        context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
    } else {
        context.out << chosen.sheet->title << " of " << chosen.sheet->subject << " written to " << written
                    << '\n';
    }
    return ExitCode::Found;
}
