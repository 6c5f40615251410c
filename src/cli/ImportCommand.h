#pragma once

#include "cli/CliCommand.h"

// velcarin-cli import SRC_DIR [--data-dir DIR] [--replace]: converts the officer's legacy Access databases
// found in SRC_DIR into Velcarin's databases of the same names in the data folder.
int runImport(const QStringList& arguments, CliContext& context);
const CommandHelp& importHelp();
