#pragma once

#include "cli/CliCommand.h"

// velcarin-cli hazard NAME: a cargo's three health hazard ratings, with the heading of each rating scale
// and the description of the cargo's level, as the hazard window shows them.
int runHazard(const QStringList& arguments, CliContext& context);
const CommandHelp& hazardHelp();
