#pragma once

#include "adviser/UnitorCatalogue.h"
#include "cli/CliCommand.h"

#include <QJsonValue>

// velcarin-cli unitor NAME [--group G]: the topics of the Unitor manual that "Show Cleaning Advice" asks
// for after the cargo NAME and the loading groups it then offers; with --group, the topics that
// choosing group G asks for.
const CommandHelp& unitorHelp();
int runUnitor(const QStringList& arguments, CliContext& context);
// What the command reports in JSON on a previous cargo and the catalogue's advice for it, in the order it
// prints the members: "cargo", "topics", "groups".
QList<std::pair<QString, QJsonValue>> unitorAdviceMembers(const QString& cargo,
                                                          const UnitorCatalogue::Advice& advice);
