#pragma once

#include "data/legacy/AccessReader.h"
#include "data/legacy/EncodedRows.h"

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

// Fills a new, empty SQLite file with tables and rows in one transaction. Only for files that are thrown
// away when anything fails: it writes without a rollback journal.
class SqliteWriter {
public:
    SqliteWriter() = default;
    ~SqliteWriter();
    SqliteWriter(const SqliteWriter&) = delete;
    SqliteWriter& operator=(const SqliteWriter&) = delete;

    bool open(const QString& path, QString* error);
    // Creates the table with its columns in order and makes it the one that insert() writes to.
    bool addTable(const AccessReader::Table& table, QString* error);
    bool insert(const EncodedRows& rows, QString* error);
    // Indexes the searched columns among the tables added, commits, writes the file through to the disk and
    // closes it.
    bool finish(QString* error);

private:
    bool execute(const char* sql, QString* error);
    bool fail(QString* error) const;
    void finalizeInsert();

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_insert = nullptr;
    QList<AccessReader::Table> m_tables;
};
