#include "cli/CliProgram.h"

#include "cli/AdviseCommand.h"
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
#include "cli/PrintCommand.h"
#include "cli/UnitorCommand.h"
#include "cli/WhereCommand.h"

#include <QDir>

namespace {

// The command's own options and the shared ones.
QList<ArgumentHelp> optionsOf(const CommandHelp& command)
{
    return command.options + sharedOptions();
}

const ArgumentHelp* optionNamed(const QList<ArgumentHelp>& options, const QString& name)
{
    for (const ArgumentHelp& option : options) {
        if (option.names().contains(name))
            return &option;
    }
    return nullptr;
}

// What an argument or an option's value may be: the words that start as the one typed, in any case.
QStringList offered(const ArgumentHelp& argument, const CompletionContext& context, const QString& typed)
{
    switch (argument.completion) {
    case Completion::Nothing:
        return {};
    case Completion::File:
        return {CompleteFile};
    case Completion::Folder:
        return {CompleteFolder};
    case Completion::Words:
        break;
    }
    QStringList words = argument.words(context);
    words.removeIf([&typed](const QString& word) { return !word.startsWith(typed, Qt::CaseInsensitive); });
    return words;
}

QStringList commandNames(const QString& typed)
{
    QStringList names;
    for (const CommandHelp& command : cliProgram().commands)
        names << command.name;
    names << QStringLiteral("--help") << QStringLiteral("--version");
    names.removeIf([&typed](const QString& name) { return !name.startsWith(typed); });
    return names;
}

} // namespace

const ProgramHelp& cliProgram()
{
    static const ProgramHelp program{
        QStringLiteral("velcarin-cli"),
        QStringLiteral("the tank cleaning guide Velcarin in a terminal"),
        {QStringLiteral("velcarin-cli COMMAND [ARGUMENTS] [OPTIONS]"),
         QStringLiteral("velcarin-cli COMMAND --help"), QStringLiteral("velcarin-cli --help | --version")},
        QStringLiteral(
            "Answers the questions of Velcarin's windows from the same databases and manuals: how to clean "
            "a tank after the cargo it carried, and the reference charts beside the advice. Each command "
            "prints lines of \"Name: value\", or one JSON object with --json; messages go to standard "
            "error."),
        sharedOptions(),
        {adviseHelp(), compatHelp(), findHelp(), hazardHelp(), helpHelp(), henkelHelp(), importHelp(),
         joHelp(), mixtureHelp(), notesHelp(), overviewHelp(), printHelp(), unitorHelp(), whereHelp()},
        {{ExitCode::Found, QStringLiteral("the answer was found and shown")},
         {ExitCode::NotFound, QStringLiteral("nothing has the name asked for")},
         {ExitCode::BadUse, QStringLiteral("bad use, or a database or file that cannot be read or written")}},
        {{QStringLiteral("~/.local/share/Velcarin/"),
          QStringLiteral(
              "The user's data folder: cleaning.mdb, Jo Tankers.mdb, Henkel.mdb and unitor.mdb, copied "
              "from the shipped ones at first use and kept from then on. Help files put here are read "
              "before the shipped ones.")},
         {QStringLiteral("/usr/share/velcarin/"),
          QStringLiteral("The shipped databases, manuals (*.hlp) and pictures.")}},
        {{QStringLiteral("XDG_DATA_HOME"),
          QStringLiteral("The data folder is Velcarin in this folder, ~/.local/share when it is not set.")}},
        {{QStringLiteral("velcarin-cli advise ACETONE"),
          QStringLiteral("How to clean a tank after acetone, and the cargo's data.")},
         {QStringLiteral("velcarin-cli compat 2 20 --json"),
          QStringLiteral("Whether groups 2 and 20 may be carried side by side, as JSON.")},
         {QStringLiteral("velcarin-cli print ACETONE --pdf acetone.pdf"),
          QStringLiteral("The printed adviser of acetone as a PDF file.")},
         {QStringLiteral("velcarin-cli import /media/usb/velcarin"),
          QStringLiteral("The databases of the legacy program on a USB stick taken into the data folder.")}},
        {QStringLiteral("velcarin(1)")},
    };
    return program;
}

QString foldersText()
{
    const DataFolders folders = DataFolders::choose({}, DataFolders::places());
    return QStringLiteral("Data folder: %1%2\nShipped files: %3\n")
        .arg(QDir::toNativeSeparators(folders.dataFolder()),
             folders.isOfficersFolder() ? QStringLiteral(" (the user's own, made at first use)") : QString(),
             QDir::toNativeSeparators(folders.shippedFolder()));
}

QStringList completions(const QStringList& words)
{
    const QString typed = words.value(words.size() - 1);
    if (words.size() <= 1)
        return commandNames(typed);
    const CommandHelp* command = cliProgram().command(words.first());
    if (!command)
        return {};
    const QList<ArgumentHelp> options = optionsOf(*command);

    // The words between the command's name and the one typed: options, their values and arguments.
    CompletionContext context;
    context.words = words.mid(1, words.size() - 2);
    QString dataFolder;
    const ArgumentHelp* valueOf = nullptr; // the option whose value is typed
    for (qsizetype i = 0; i < context.words.size(); ++i) {
        const QString& word = context.words.at(i);
        const ArgumentHelp* option = optionNamed(options, word.section(QLatin1Char('='), 0, 0));
        if (!option) {
            context.arguments << word;
        } else if (!option->value.isEmpty() && !word.contains(QLatin1Char('='))) {
            if (i + 1 == context.words.size())
                valueOf = option;
            else if (option->name == QLatin1String("--data-dir"))
                dataFolder = context.words.at(i + 1);
            ++i;
        }
    }
    context.folders = DataFolders::choose(dataFolder, DataFolders::places());
    if (valueOf)
        return offered(*valueOf, context, typed);

    if (typed.startsWith(QLatin1Char('-'))) {
        QStringList names;
        for (const ArgumentHelp& option : options) {
            for (const QString& name : option.names()) {
                if (name.startsWith(QLatin1String("--")) && name.startsWith(typed))
                    names << name;
            }
        }
        return names;
    }
    if (context.arguments.size() >= command->arguments.size())
        return {};
    return offered(command->arguments.at(context.arguments.size()), context, typed);
}
