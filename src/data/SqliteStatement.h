#pragma once

#include "data/Result.h"

#include <QByteArrayView>
#include <QString>

struct sqlite3;
struct sqlite3_stmt;
class Database;

// One SQL statement prepared on a SQLite connection's own handle, finalized with it: the rows of a large
// table come in, and go out, several times faster than through QSqlQuery's variants. A statement that
// could not be prepared has no rows, and finished() tells the engine's reason; so does one that failed as
// it ran, which runs no more.
class SqliteStatement {
public:
    // What a value of a row holds.
    enum class Kind { Null, Integer, Real, Text, Blob };

    SqliteStatement(sqlite3* db, const QString& sql);
    // On the connection of an open database.
    SqliteStatement(const Database& database, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Fails, with the engine's reason, when the statement could not be prepared.
    Result<> prepared() const;

    // Binding leaves a failure for the next step to tell. The bytes of bindText and bindBlob must live
    // until then.
    void bindNull(int parameter);
    void bind(int parameter, qint64 value);
    void bind(int parameter, double value);
    void bind(int parameter, const QString& value);
    void bindText(int parameter, QByteArrayView utf8);
    void bindBlob(int parameter, QByteArrayView bytes);

    // True for a row; false at the end of the rows or on a failure, which finished() tells.
    bool next();
    // Once next() has said false: nothing at the end of the rows, else the engine's reason.
    Result<> finished() const;
    // Runs a statement that gives no rows, then makes it ready to be bound and run again.
    Result<> run();

    int columnCount() const;
    QString columnName(int column) const;
    // The table and its column that a result column reads as it stands; empty for an expression.
    QString originTable(int column) const;
    QString originColumn(int column) const;
    // Whether the column keeps every value as text (or a NULL), by its declared type.
    bool hasTextAffinity(int column) const;

    Kind kind(int column) const;
    // A value of the current row; a NULL reads as a null QString.
    QString text(int column) const;
    qint64 integer(int column) const;
    double real(int column) const;
    // A text's UTF-8 or a blob's bytes, alive until the next step.
    QByteArrayView bytes(int column) const;

private:
    void bound(int result);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    QString m_reason; // the engine's words for the first failure
};
