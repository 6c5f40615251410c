#pragma once

#include "data/Result.h"
#include "data/legacy/RepeatedNames.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Converts one legacy Access file into a Velcarin database. The result is written to a temporary file
// beside the destination, checked against the source (tables, columns, row counts and a checksum of every
// value) and only then renamed into place, in one step; a file already standing under the destination's
// name is first kept under a second name. The source is only ever read. One run at a time in a folder:
// callers hold its ConversionLock.
class LegacyImport {
public:
    struct TableSummary {
        QString name;
        qint64 rows = 0;
    };

    // What a run that succeeded imported.
    struct Imported {
        QStringList warnings;              // imported, but without a table or field that Velcarin reads
        QList<TableSummary> tables;        // as imported
        QString keptAs;                    // where the file that stood under the destination's name went
        QList<RepeatedName> repeatedNames; // as imported: names a look-up finds the first row of only
        qint64 rowCount() const;
    };

    // Runs on the checked conversion just before it takes the place of the file that stands under the
    // destination's name; a failure stops the import and nothing is replaced.
    using BeforeReplacing = std::function<Result<>(const QString& replaced, const QString& converted)>;

    // keptSuffix names the file moved aside: destination + keptSuffix, or, when that is taken,
    // destination + keptSuffix + ".1", ".2" and so on.
    // Fails, with why, when nothing was imported.
    static Result<Imported> run(const QString& source, const QString& destination, const QString& keptSuffix,
                                const BeforeReplacing& beforeReplacing = {});

    // The temporary files that runs stopped by a crash or a kill left beside the destination.
    static QStringList leftovers(const QString& destination);
};
