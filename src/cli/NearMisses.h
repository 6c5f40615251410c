#pragma once

#include "cli/CliCommand.h"
#include "search/SearchResult.h"

// What a look-up command adds when a name finds nothing: up to three names of the sources it looks in
// that come near the one asked for, each quoted as stored so that a trailing blank or an odd spelling
// shows. "did you mean: "A", "B"?" goes to standard error, nothing when none comes near; with --json a
// {"suggestions": [...]} object goes to standard output.
void reportNearMisses(const CommandLine& commandLine, const QString& name, const QList<SearchSource>& sources,
                      CliContext& context);

// "did you mean: "A", "B"?" on standard error; nothing for no names.
void sayDidYouMean(const QStringList& names, CliContext& context);

// Up to three names of the sources that come near the name, each once, as stored.
QStringList nearNames(const DataFolders& folders, const QString& name, const QList<SearchSource>& sources);

// A name between double quotes, exactly as it is.
QString quotedName(const QString& name);
