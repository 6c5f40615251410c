#pragma once

#include "cli/CliCommand.h"

// A command that draws a sheet (print, overview --pdf): runs the sheet printer in this process's place
// with the command and the same arguments; returns only when it cannot be started.
int runSheetPrinter(const QString& command, const QStringList& arguments, CliContext& context);
