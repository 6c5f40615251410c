#pragma once

#include "cli/CliCommand.h"
#include "data/PersonalNotes.h"

// velcarin-cli notes export FILE | notes import FILE [--replace]: the officer's personal notes written to
// a JSON file, and put back from one into the cargo table of the data folder.
int runNotes(const QStringList& arguments, CliContext& context);
const CommandHelp& notesHelp();

// One line for each note that did not find its place, and why; `source` names where the notes came from
// ("the file").
QStringList unplacedNotes(const PersonalNotes::Placement& placement, const QString& source);
