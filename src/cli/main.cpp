#include "cli/AdviseCommand.h"
#include "cli/CliProgram.h"
#include "cli/CompatCommand.h"
#include "cli/FindCommand.h"
#include "cli/HazardCommand.h"
#include "cli/HelpCommand.h"
#include "cli/HenkelCommand.h"
#include "cli/ImportCommand.h"
#include "cli/JoCommand.h"
#include "cli/MixtureCommand.h"
#include "cli/NotesCommand.h"
#include "cli/OverviewCommand.h"
#include "cli/SheetPrinter.h"
#include "cli/UnitorCommand.h"
#include "cli/WhereCommand.h"

#include <QCoreApplication>

#include <functional>

namespace {

// The sheet printer draws; the tool hands over to it whatever asks for a PDF file.
int runPrinted(const QStringList& arguments, CliContext& context)
{
    return runSheetPrinter(QStringLiteral("print"), arguments, context);
}

int runOverviewOrPrint(const QStringList& arguments, CliContext& context)
{
    if (asksForPdf(arguments))
        return runSheetPrinter(QStringLiteral("overview"), arguments, context);
    return runOverview(arguments, context);
}

const QList<std::pair<QString, std::function<int(const QStringList&, CliContext&)>>>& commands()
{
    // clang-format off
    static const QList<std::pair<QString, std::function<int(const QStringList&, CliContext&)>>> all{
        {QStringLiteral("advise"), runAdvise},
        {QStringLiteral("compat"), runCompat},
        {QStringLiteral("find"), runFind},
        {QStringLiteral("hazard"), runHazard},
        {QStringLiteral("help"), runHelp},
        {QStringLiteral("henkel"), runHenkel},
        {QStringLiteral("import"), runImport},
        {QStringLiteral("jo"), runJo},
        {QStringLiteral("mixture"), runMixture},
        {QStringLiteral("notes"), runNotes},
        {QStringLiteral("overview"), runOverviewOrPrint},
        {QStringLiteral("print"), runPrinted},
        {QStringLiteral("unitor"), runUnitor},
        {QStringLiteral("where"), runWhere},
    };
    // clang-format on
    return all;
}

int usage(CliContext& context)
{
    context.err << "usage: velcarin-cli COMMAND [ARGUMENTS] | --help | --version\ncommands:";
    for (const auto& command : commands())
        context.err << ' ' << command.first;
    context.err << "\ntry 'velcarin-cli --help'" << Qt::endl;
    return ExitCode::BadUse;
}

// A command is asked for its help by -h or --help among its options, not after "--".
bool asksForHelp(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            return false;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    const QCoreApplication application(argc, argv);
    // The same name as the program's, so that both find the user's data folder under it.
    QCoreApplication::setApplicationName(QStringLiteral("Velcarin"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliContext context{out, err};

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return usage(context);
    const QString name = arguments.takeFirst();
    // The shell's completion and the build's manual page ask with options no user needs to know.
    if (name == QLatin1String("--complete")) {
        for (const QString& completion : completions(arguments))
            out << completion << '\n';
        return ExitCode::Found;
    }
    if (arguments.isEmpty()) {
        if (name == QLatin1String("--version")) {
            out << "velcarin-cli " << VELCARIN_VERSION << Qt::endl;
            return ExitCode::Found;
        }
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            out << CommandLineHelp::programText(cliProgram(), foldersText());
            return ExitCode::Found;
        }
        if (name == QLatin1String("--manual-page")) {
            out << CommandLineHelp::manualPage(cliProgram(), QStringLiteral(VELCARIN_VERSION));
            return ExitCode::Found;
        }
    }
    for (const auto& [commandName, run] : commands()) {
        if (commandName != name)
            continue;
        if (asksForHelp(arguments)) {
            out << CommandLineHelp::commandText(cliProgram(), *cliProgram().command(name));
            return ExitCode::Found;
        }
        return run(arguments, context);
    }
    return usage(context);
}
