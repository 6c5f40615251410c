#include "cli/AdviseCommand.h"
#include "cli/CompatCommand.h"
#include "cli/HenkelCommand.h"
#include "cli/ImportCommand.h"
#include "cli/JoCommand.h"
#include "cli/MixtureCommand.h"

#include <QCoreApplication>

#include <functional>

namespace {

const QList<std::pair<QString, std::function<int(const QStringList&, CliContext&)>>>& commands()
{
    // clang-format off
    static const QList<std::pair<QString, std::function<int(const QStringList&, CliContext&)>>> all{
        {QStringLiteral("advise"), runAdvise},
        {QStringLiteral("compat"), runCompat},
        {QStringLiteral("henkel"), runHenkel},
        {QStringLiteral("import"), runImport},
        {QStringLiteral("jo"), runJo},
        {QStringLiteral("mixture"), runMixture},
    };
    // clang-format on
    return all;
}

int usage(CliContext& context)
{
    context.err << "usage: velcarin-cli COMMAND [ARGUMENTS]\ncommands:";
    for (const auto& command : commands())
        context.err << ' ' << command.first;
    context.err << Qt::endl;
    return ExitCode::BadUse;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliContext context{out, err};

    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        return usage(context);
    const QString name = arguments.takeFirst();
    for (const auto& [commandName, run] : commands()) {
        if (commandName == name)
            return run(arguments, context);
    }
    return usage(context);
}
