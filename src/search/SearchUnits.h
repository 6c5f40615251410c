#pragma once

#include "data/DataFolders.h"
#include "data/Result.h"
#include "search/SearchDocument.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <stop_token>

// A part of what the index holds that is read, and replaced, as a whole: one source of a database, the
// notes, the Unitor catalogue or one manual. Its signature tells whether it changed since it was read.
struct SearchUnit {
    QString key;  // as the index knows it: "tavro", "manual:Unitor.hlp"
    QString name; // as the status names it: "tavro", "Unitor.hlp"
    QString path; // the file it is read from; empty for the catalogue, which is part of the program
    std::function<Result<QList<SearchDocument>>(std::stop_token)> read;
};

// The units of a data folder as it stands: the sources of the four databases, the notes, the Unitor
// catalogue, the manuals the program opens under their fixed names and every other help file (*.hlp) in
// the data folder, an officer's own manuals.
QList<SearchUnit> searchUnits(const DataFolders& folders);

// The signature of each unit by its key as its source is now; a file several units read is looked at once.
QHash<QString, QString> signaturesOf(const QList<SearchUnit>& units);
