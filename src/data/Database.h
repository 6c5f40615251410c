#pragma once

#include "data/Result.h"

#include <QSqlDatabase>
#include <QString>

#include <memory>

// An open connection to one database file; copies share the connection, which closes with the last copy.
class Database {
public:
    Database() = default;

    bool isOpen() const { return m_connection != nullptr; }
    QString path() const;
    bool isReadOnly() const;
    QSqlDatabase connection() const;

    // Opens an existing SQLite file; never creates one.
    static Result<Database> open(const QString& path, bool readOnly);

private:
    struct Connection;
    std::shared_ptr<Connection> m_connection;
};
