#include "data/legacy/RepeatedNames.h"

#include "data/RecordSources.h"
#include "data/SqlName.h"

#include <QFile>
#include <QScopeGuard>

#include <algorithm>

#include <sqlite3.h>

namespace {

QString columnText(sqlite3_stmt* statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

} // namespace

std::optional<QList<RepeatedName>> RepeatedName::in(const QString& path, QString* error)
{
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    const auto close = qScopeGuard([db] { sqlite3_close(db); });
    const auto fail = [db, error] {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(db));
        return std::nullopt;
    };
    if (opened != SQLITE_OK)
        return fail();
    QList<RepeatedName> found;
    for (const Criterion& searched : CriterionPrefixes::searchedColumns()) {
        // A file without the table or the column repeats nothing there.
        if (sqlite3_table_column_metadata(db, nullptr, searched.table.toUtf8().constData(),
                                          searched.field.toUtf8().constData(), nullptr, nullptr, nullptr,
                                          nullptr, nullptr) != SQLITE_OK)
            continue;
        // The import numbers the rows in the order of the source, from 1.
        const QByteArray sql =
            QStringLiteral("select %2, group_concat(rowid, ' ') from %1 where %2 is not null "
                           "group by %2 having count(*) > 1 order by min(rowid)")
                .arg(quotedSqlName(searched.table), quotedSqlName(searched.field))
                .toUtf8();
        sqlite3_stmt* query = nullptr;
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &query, nullptr) != SQLITE_OK)
            return fail();
        const auto finalize = qScopeGuard([query] { sqlite3_finalize(query); });
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(query)) == SQLITE_ROW) {
            RepeatedName repeated{searched.table, searched.field, columnText(query, 0), {}};
            for (const QString& row : columnText(query, 1).split(QLatin1Char(' ')))
                repeated.rows << row.toLongLong();
            std::sort(repeated.rows.begin(), repeated.rows.end());
            found << repeated;
        }
        if (step != SQLITE_DONE)
            return fail();
    }
    return found;
}
