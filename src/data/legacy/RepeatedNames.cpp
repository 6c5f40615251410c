#include "data/legacy/RepeatedNames.h"

#include "data/RecordSources.h"
#include "data/SqlName.h"
#include "data/SqliteConnection.h"
#include "data/SqliteStatement.h"

#include <algorithm>

#include <sqlite3.h>

Result<QList<RepeatedName>> RepeatedName::in(const QString& path)
{
    SqliteConnection db;
    if (const Result<> opened = db.open(path, SqliteConnection::Mode::ReadOnly); !opened)
        return Failure{opened.error()};
    QList<RepeatedName> found;
    for (const Criterion& searched : CriterionPrefixes::searchedColumns()) {
        // A file without the table or the column repeats nothing there.
        if (sqlite3_table_column_metadata(db.handle(), nullptr, searched.table.toUtf8().constData(),
                                          searched.field.toUtf8().constData(), nullptr, nullptr, nullptr,
                                          nullptr, nullptr) != SQLITE_OK)
            continue;
        // The import numbers the rows in the order of the source, from 1.
        SqliteStatement query(
            db.handle(), QStringLiteral("select %2, group_concat(rowid, ' ') from %1 where %2 is not null "
                                        "group by %2 having count(*) > 1 order by min(rowid)")
                             .arg(quotedSqlName(searched.table), quotedSqlName(searched.field)));
        while (query.next()) {
            RepeatedName repeated{searched.table, searched.field, query.text(0), {}};
            for (const QString& row : query.text(1).split(QLatin1Char(' ')))
                repeated.rows << row.toLongLong();
            std::sort(repeated.rows.begin(), repeated.rows.end());
            found << repeated;
        }
        if (const Result<> read = query.finished(); !read)
            return Failure{read.error()};
    }
    return found;
}
