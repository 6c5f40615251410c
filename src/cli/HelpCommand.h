#pragma once

#include "cli/CliCommand.h"

// velcarin-cli help FILE [NUMBER] [--context NAME] [--json]: a topic of a help file as the help viewer shows
// it.
int runHelp(const QStringList& arguments, CliContext& context);
const CommandHelp& helpHelp();
