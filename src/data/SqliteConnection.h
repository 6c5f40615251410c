#pragma once

#include "data/Result.h"

#include <QString>

struct sqlite3;

// A SQLite file opened on the engine's own handle, without Qt's driver, for reading or writing many rows
// fast; closed with this.
class SqliteConnection {
public:
    enum class Mode { ReadOnly, ReadWrite };

    SqliteConnection() = default;
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    // Opens an existing file; never creates one.
    Result<> open(const QString& path, Mode mode);
    // Runs one or more statements that give no rows.
    Result<> execute(const char* sql);
    // Closes the file, which fails while a statement on it is still alive.
    Result<> close();

    sqlite3* handle() const { return m_db; }
    // The engine's words for the last failure on this connection.
    QString lastError() const;

private:
    sqlite3* m_db = nullptr;
};
