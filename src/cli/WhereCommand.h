#pragma once

#include "cli/CliCommand.h"

// velcarin-cli where [--data-dir DIR] [--json]: the version, the folders in use and where each database
// and help file is found. Creates nothing.
int runWhere(const QStringList& arguments, CliContext& context);
const CommandHelp& whereHelp();
