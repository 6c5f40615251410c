#pragma once

#include "cli/CliCommand.h"
#include "cli/RecordReport.h"

// velcarin-cli jo NAME: what the Jo Tankers tab shows for a product;
// velcarin-cli jo --method N: the steps of cleaning method N.
int runJo(const QStringList& arguments, CliContext& context);
const CommandHelp& joHelp();
// What the command reports on a product: its record and the names of its codes.
RecordReport productReport(const RecordSet& product);
// The argument that names a Jo Tankers product.
ArgumentHelp productName();
// The option that names a cleaning method.
ArgumentHelp methodOption(const QString& description);

// The number of a cleaning method, 1 to 12; nothing, after saying why, for any other argument.
std::optional<int> methodNumber(const QString& argument, CliContext& context);
