#pragma once

#include "data/Result.h"
#include "data/SqliteConnection.h"
#include "data/SqliteStatement.h"
#include "data/legacy/AccessReader.h"
#include "data/legacy/EncodedRows.h"

#include <QString>

#include <optional>

// Fills a new, empty SQLite file with tables and rows in one transaction. Only for files that are thrown
// away when anything fails: it writes without a rollback journal.
class SqliteWriter {
public:
    Result<> open(const QString& path);
    // Creates the table with its columns in order and makes it the one that insert() writes to.
    Result<> addTable(const AccessReader::Table& table);
    Result<> insert(const EncodedRows& rows);
    // Indexes the searched columns among the tables added, commits, writes the file through to the disk and
    // closes it.
    Result<> finish();

private:
    SqliteConnection m_db;
    std::optional<SqliteStatement> m_insert;
    QList<AccessReader::Table> m_tables;
};
