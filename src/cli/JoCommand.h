#pragma once

#include "cli/CliCommand.h"

// velcarin-cli jo NAME: what the Jo Tankers tab shows for a product;
// velcarin-cli jo --method N: the steps of cleaning method N.
int runJo(const QStringList& arguments, CliContext& context);
