#pragma once

#include "cli/CliCommand.h"
#include "data/Result.h"

#include <functional>

struct Sheet;

// Writes a sheet to a PDF file; only the sheet printer can draw one.
using PdfWriter = std::function<Result<>(const Sheet& sheet, const QString& fileName)>;

// velcarin-cli overview NAME [--json] [--pdf FILE]: everything the sources hold about one cargo, a section
// for each, matched by name and never by UN number alone. The tool hands a command line with --pdf to the
// sheet printer, which runs this with a writer.
int runOverview(const QStringList& arguments, CliContext& context, const PdfWriter& writePdf = {});
const CommandHelp& overviewHelp();
// Whether the command line asks for a PDF file.
bool asksForPdf(const QStringList& arguments);
