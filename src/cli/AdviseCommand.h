#pragma once

#include "cli/CliCommand.h"
#include "cli/RecordReport.h"

// velcarin-cli advise NAME: what the operator tab shows for a cargo.
int runAdvise(const QStringList& arguments, CliContext& context);
const CommandHelp& adviseHelp();
// What the command reports on a cargo chosen by that name: its record and the advice worked out from it.
RecordReport adviceReport(const QString& name, const RecordSet& cargo);
