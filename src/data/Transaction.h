#pragma once

#include "data/Database.h"

#include <QString>

// One write transaction on a database. It takes the write lock when it begins, so that waiting for
// another writer happens before anything is written; what is not committed is rolled back when it ends.
class Transaction {
public:
    explicit Transaction(Database database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    // The engine's error description on failure.
    bool begin(QString* error);
    // On disk when it returns true.
    bool commit(QString* error);

private:
    bool execute(const QString& sql, QString* error);

    Database m_database;
    bool m_open = false;
};
