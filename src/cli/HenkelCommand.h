#pragma once

#include "cli/CliCommand.h"

#include <QJsonObject>

class RecordSet;

// velcarin-cli henkel oil NAME: the pre-wash temperature and final cleaning of an oil, and
// velcarin-cli henkel additional NAME: the recommended solution for a chemical, as the Henkel tab shows them.
int runHenkel(const QStringList& arguments, CliContext& context);
const CommandHelp& henkelHelp();
// What the command reports in JSON on an oil or additional product found in its record source.
QJsonObject henkelAnswer(const RecordSet& found);
