#include "cli/AdviseCommand.h"
#include "cli/CompatCommand.h"
#include "cli/HazardCommand.h"
#include "cli/HelpCommand.h"
#include "cli/HenkelCommand.h"
#include "cli/ImportCommand.h"
#include "cli/JoCommand.h"
#include "cli/MixtureCommand.h"
#include "cli/NotesCommand.h"
#include "cli/SheetPrinter.h"
#include "cli/UnitorCommand.h"
#include "cli/WhereCommand.h"

#include <QCoreApplication>

#include <functional>

namespace {

const QList<std::pair<QString, std::function<int(const QStringList&, CliContext&)>>>& commands()
{
    // clang-format off
    static const QList<std::pair<QString, std::function<int(const QStringList&, CliContext&)>>> all{
        {QStringLiteral("advise"), runAdvise},
        {QStringLiteral("compat"), runCompat},
        {QStringLiteral("hazard"), runHazard},
        {QStringLiteral("help"), runHelp},
        {QStringLiteral("henkel"), runHenkel},
        {QStringLiteral("import"), runImport},
        {QStringLiteral("jo"), runJo},
        {QStringLiteral("mixture"), runMixture},
        {QStringLiteral("notes"), runNotes},
        {QStringLiteral("print"), runSheetPrinter},
        {QStringLiteral("unitor"), runUnitor},
        {QStringLiteral("where"), runWhere},
    };
    // clang-format on
    return all;
}

int usage(CliContext& context)
{
    context.err << "usage: velcarin-cli COMMAND [ARGUMENTS] | --version\ncommands:";
    for (const auto& command : commands())
        context.err << ' ' << command.first;
    context.err << Qt::endl;
    return ExitCode::BadUse;
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
    if (name == QLatin1String("--version") && arguments.isEmpty()) {
        out << "velcarin-cli " << VELCARIN_VERSION << Qt::endl;
        return ExitCode::Found;
    }
    for (const auto& [commandName, run] : commands()) {
        if (commandName == name)
            return run(arguments, context);
    }
    return usage(context);
}
