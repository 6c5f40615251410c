#include "data/legacy/SqliteWriter.h"

#include "data/RecordSources.h"
#include "data/SqlName.h"

#include <QFile>

#include <algorithm>

#include <sqlite3.h>

namespace {

QLatin1String declaredType(AccessReader::ColumnKind kind)
{
    switch (kind) {
    case AccessReader::ColumnKind::Integer:
        return QLatin1String("INTEGER");
    case AccessReader::ColumnKind::Real:
        return QLatin1String("REAL");
    case AccessReader::ColumnKind::Binary:
        return QLatin1String("BLOB");
    case AccessReader::ColumnKind::Text:
        break;
    }
    return QLatin1String("TEXT");
}

} // namespace

SqliteWriter::~SqliteWriter()
{
    finalizeInsert();
    sqlite3_close(m_db);
}

bool SqliteWriter::open(const QString& path, QString* error)
{
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
        return fail(error);
    return execute("PRAGMA journal_mode = OFF; PRAGMA cache_size = -65536; BEGIN;", error);
}

bool SqliteWriter::addTable(const AccessReader::Table& table, QString* error)
{
    finalizeInsert();
    QStringList columns;
    QStringList parameters;
    for (const AccessReader::Column& column : table.columns) {
        columns << quotedSqlName(column.name) + QLatin1Char(' ') + declaredType(column.kind);
        parameters << QStringLiteral("?");
    }
    const QByteArray create = QStringLiteral("CREATE TABLE %1 (%2)")
                                  .arg(quotedSqlName(table.name), columns.join(QLatin1String(", ")))
                                  .toUtf8();
    if (!execute(create.constData(), error))
        return false;
    const QByteArray insert = QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                  .arg(quotedSqlName(table.name), parameters.join(QLatin1Char(',')))
                                  .toUtf8();
    if (sqlite3_prepare_v2(m_db, insert.constData(), int(insert.size()), &m_insert, nullptr) != SQLITE_OK)
        return fail(error);
    m_tables << table;
    return true;
}

bool SqliteWriter::insert(const EncodedRows& rows, QString* error)
{
    // The bytes stay in the rows until each is written.
    for (qsizetype row = 0; row < rows.rowCount(); ++row) {
        for (int column = 0; column < rows.columnCount(); ++column) {
            const int parameter = column + 1;
            int bound = SQLITE_OK;
            switch (rows.kind(row, column)) {
            case EncodedRows::Kind::Null:
                bound = sqlite3_bind_null(m_insert, parameter);
                break;
            case EncodedRows::Kind::Integer:
                bound = sqlite3_bind_int64(m_insert, parameter, rows.integer(row, column));
                break;
            case EncodedRows::Kind::Real:
                bound = sqlite3_bind_double(m_insert, parameter, rows.real(row, column));
                break;
            case EncodedRows::Kind::Text: {
                const QByteArrayView text = rows.bytes(row, column);
                bound = sqlite3_bind_text64(m_insert, parameter, text.data(), sqlite3_uint64(text.size()),
                                            SQLITE_STATIC, SQLITE_UTF8);
                break;
            }
            case EncodedRows::Kind::Blob: {
                const QByteArrayView blob = rows.bytes(row, column);
                bound = sqlite3_bind_blob64(m_insert, parameter, blob.data(), sqlite3_uint64(blob.size()),
                                            SQLITE_STATIC);
                break;
            }
            }
            if (bound != SQLITE_OK)
                return fail(error);
        }
        const int stepped = sqlite3_step(m_insert);
        sqlite3_reset(m_insert);
        if (stepped != SQLITE_DONE)
            return fail(error);
    }
    return true;
}

bool SqliteWriter::finish(QString* error)
{
    finalizeInsert();
    // A look-up by name then finds its row through the index instead of reading the whole table.
    for (const Criterion& searched : CriterionPrefixes::searchedColumns()) {
        for (const AccessReader::Table& table : std::as_const(m_tables)) {
            if (table.name.compare(searched.table, Qt::CaseInsensitive) != 0 ||
                std::none_of(table.columns.cbegin(), table.columns.cend(),
                             [&](const AccessReader::Column& column) {
                                 return column.name.compare(searched.field, Qt::CaseInsensitive) == 0;
                             }))
                continue;
            const QByteArray index =
                QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                    .arg(quotedSqlName(table.name + QLatin1Char(' ') + searched.field),
                         quotedSqlName(table.name), quotedSqlName(searched.field))
                    .toUtf8();
            if (!execute(index.constData(), error))
                return false;
        }
    }
    // Without a journal the commit itself syncs the file to the disk.
    if (!execute("COMMIT;", error))
        return false;
    const bool closed = sqlite3_close(m_db) == SQLITE_OK;
    if (!closed)
        return fail(error);
    m_db = nullptr;
    return true;
}

bool SqliteWriter::execute(const char* sql, QString* error)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK || fail(error);
}

bool SqliteWriter::fail(QString* error) const
{
    if (error)
        *error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
    return false;
}

void SqliteWriter::finalizeInsert()
{
    sqlite3_finalize(m_insert);
    m_insert = nullptr;
}
