#pragma once

#include "cli/CliCommand.h"

// velcarin-cli henkel oil NAME: the pre-wash temperature and final cleaning of an oil, and
// velcarin-cli henkel additional NAME: the recommended solution for a chemical, as the Henkel tab shows them.
int runHenkel(const QStringList& arguments, CliContext& context);
const CommandHelp& henkelHelp();
