#pragma once

#include "cli/CliCommand.h"

// velcarin-cli print: runs the sheet printer in this process's place with the same arguments; returns only
// when it cannot be started.
int runSheetPrinter(const QStringList& arguments, CliContext& context);
