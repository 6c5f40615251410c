// How the print command is used, known to velcarin-cli as well as to the sheet printer that runs it.
#include "cli/JoCommand.h"
#include "cli/PrintCommand.h"
#include "cli/RecordReport.h"

namespace {

// The sheet's name: a product's after --jo, else a cargo's.
QStringList sheetNames(const CompletionContext& context)
{
    const ArgumentHelp name = context.words.contains(QStringLiteral("--jo")) ? productName() : cargoName();
    return name.words(context);
}

} // namespace

const CommandHelp& printHelp()
{
    static const CommandHelp help{
        QStringLiteral("print"),
        QStringLiteral("The printed adviser of a cargo, or of a Jo Tankers product, as a PDF file"),
        {QStringLiteral("velcarin-cli print NAME --pdf FILE [--json] [--data-dir DIR]"),
         QStringLiteral("velcarin-cli print --jo NAME --pdf FILE [--method N] [--json] [--data-dir DIR]")},
        QStringLiteral(
            "The sheet the File menu prints for the operator tab, or with --jo for the Jo Tankers tab. "
            "Needs no display."),
        {{QStringLiteral("NAME"),
          {},
          QStringLiteral("The cargo's name, or with --jo the product's."),
          Completion::Words,
          sheetNames}},
        {{QStringLiteral("--pdf"), QStringLiteral("FILE"),
          QStringLiteral("Write the sheet to this PDF file."), Completion::File},
         {QStringLiteral("--jo"), {}, QStringLiteral("Print the Jo Tankers adviser of a product.")},
         methodOption(QStringLiteral("With --jo, the steps of cleaning method N on the sheet.")),
         jsonOption()},
        {{ExitCode::Found, QStringLiteral("the sheet was written")},
         {ExitCode::NotFound, QStringLiteral("no cargo or product has this name")},
         {ExitCode::BadUse,
          QStringLiteral("bad use, or a database or the PDF file that cannot be read or written")}},
        QStringLiteral("velcarin-cli print ACETONE --pdf acetone.pdf"),
    };
    return help;
}
