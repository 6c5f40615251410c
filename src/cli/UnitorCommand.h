#pragma once

#include "cli/CliCommand.h"

// velcarin-cli unitor NAME [--group G]: the topics of the Unitor manual that "Show Cleaning Advice" asks
// for after the cargo NAME and the loading groups it then offers; with --group, the topics that
// choosing group G asks for.
const CommandHelp& unitorHelp();
int runUnitor(const QStringList& arguments, CliContext& context);
