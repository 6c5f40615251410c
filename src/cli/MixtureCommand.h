#pragma once

#include "cli/CliCommand.h"

// velcarin-cli mixture NAME: a cleaning mixture's record of the Solutions table, as the cleaning mediums
// window shows it.
int runMixture(const QStringList& arguments, CliContext& context);
const CommandHelp& mixtureHelp();
