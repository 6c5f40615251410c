#pragma once

#include "data/Result.h"

#include <QList>
#include <QString>

// A name that stands in more than one row of a column the windows look cargoes and products up in, where
// a look-up by that name finds the first of them only.
struct RepeatedName {
    QString table;
    QString column;
    QString name;
    QList<qint64> rows; // their numbers, counted from 1 in the table's order

    // The repeated names of a SQLite file, in the order of the searched columns and of their first rows;
    // nothing, with the engine's reason, when it cannot be read.
    static Result<QList<RepeatedName>> in(const QString& path);
};
