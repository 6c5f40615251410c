#pragma once

#include "cli/CliCommand.h"

// velcarin-cli advise NAME: what the operator tab shows for a cargo.
int runAdvise(const QStringList& arguments, CliContext& context);
const CommandHelp& adviseHelp();
