#pragma once

#include "cli/CliCommand.h"

// velcarin-cli compat G1 G2: whether the compatibility chart marks row G1 in column G2, and the
// exceptions of group G1.
int runCompat(const QStringList& arguments, CliContext& context);
const CommandHelp& compatHelp();
