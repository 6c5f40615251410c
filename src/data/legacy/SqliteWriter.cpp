#include "data/legacy/SqliteWriter.h"

#include "data/RecordSources.h"
#include "data/SqlName.h"

#include <algorithm>

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

Result<> SqliteWriter::open(const QString& path)
{
    if (const Result<> opened = m_db.open(path, SqliteConnection::Mode::ReadWrite); !opened)
        return opened;
    return m_db.execute("PRAGMA journal_mode = OFF; PRAGMA cache_size = -65536; BEGIN;");
}

Result<> SqliteWriter::addTable(const AccessReader::Table& table)
{
    m_insert.reset();
    QStringList columns;
    QStringList parameters;
    for (const AccessReader::Column& column : table.columns) {
        columns << quotedSqlName(column.name) + QLatin1Char(' ') + declaredType(column.kind);
        parameters << QStringLiteral("?");
    }
    const QByteArray create = QStringLiteral("CREATE TABLE %1 (%2)")
                                  .arg(quotedSqlName(table.name), columns.join(QLatin1String(", ")))
                                  .toUtf8();
    if (const Result<> created = m_db.execute(create.constData()); !created)
        return created;
    m_insert.emplace(m_db.handle(), QStringLiteral("INSERT INTO %1 VALUES (%2)")
                                        .arg(quotedSqlName(table.name), parameters.join(QLatin1Char(','))));
    if (const Result<> prepared = m_insert->prepared(); !prepared)
        return prepared;
    m_tables << table;
    return {};
}

Result<> SqliteWriter::insert(const EncodedRows& rows)
{
    // The bytes stay in the rows until each is written.
    for (qsizetype row = 0; row < rows.rowCount(); ++row) {
        for (int column = 0; column < rows.columnCount(); ++column) {
            const int parameter = column + 1;
            switch (rows.kind(row, column)) {
            case EncodedRows::Kind::Null:
                m_insert->bindNull(parameter);
                break;
            case EncodedRows::Kind::Integer:
                m_insert->bind(parameter, rows.integer(row, column));
                break;
            case EncodedRows::Kind::Real:
                m_insert->bind(parameter, rows.real(row, column));
                break;
            case EncodedRows::Kind::Text:
                m_insert->bindText(parameter, rows.bytes(row, column));
                break;
            case EncodedRows::Kind::Blob:
                m_insert->bindBlob(parameter, rows.bytes(row, column));
                break;
            }
        }
        if (const Result<> written = m_insert->run(); !written)
            return written;
    }
    return {};
}

Result<> SqliteWriter::finish()
{
    m_insert.reset();
    // A look-up by name then finds its row through the index instead of reading the whole table.
    for (const Criterion& searched : CriterionPrefixes::searchedColumns()) {
        for (const AccessReader::Table& table : std::as_const(m_tables)) {
            if (table.name.compare(searched.table, Qt::CaseInsensitive) != 0 ||
                std::none_of(table.columns.cbegin(), table.columns.cend(),
                             [&](const AccessReader::Column& column) {
                                 return column.name.compare(searched.field, Qt::CaseInsensitive) == 0;
                             }))
                continue;
            const QByteArray index = QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                                         .arg(quotedSqlName(table.name + QLatin1Char(' ') + searched.field),
                                              quotedSqlName(table.name), quotedSqlName(searched.field))
                                         .toUtf8();
            if (const Result<> indexed = m_db.execute(index.constData()); !indexed)
                return indexed;
        }
    }
    // Without a journal the commit itself syncs the file to the disk.
    if (const Result<> committed = m_db.execute("COMMIT;"); !committed)
        return committed;
    return m_db.close();
}
