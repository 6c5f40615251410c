#pragma once

#include "cli/CliCommand.h"

// velcarin-cli jo NAME: what the Jo Tankers tab shows for a product;
// velcarin-cli jo --method N: the steps of cleaning method N.
int runJo(const QStringList& arguments, CliContext& context);

// The number of a cleaning method, 1 to 12; nothing, after saying why, for any other argument.
std::optional<int> methodNumber(const QString& argument, CliContext& context);
