#pragma once

#include "cli/CliCommand.h"

// velcarin-cli find WORDS...: one search over every adviser's names, the officer's notes and the manuals;
// velcarin-cli find --status: how far the search has read each of its sources.
int runFind(const QStringList& arguments, CliContext& context);
const CommandHelp& findHelp();
