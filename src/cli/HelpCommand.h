#pragma once

#include "cli/CliCommand.h"

// velcarin-cli help FILE [TOPIC | --context NAME | --contents | --keywords | --search WORDS] [--json]: a
// topic of a help file as the help viewer shows it, or its contents, index or the topics that hold words.
int runHelp(const QStringList& arguments, CliContext& context);
const CommandHelp& helpHelp();
