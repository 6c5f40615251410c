#pragma once

#include "data/Database.h"
#include "data/Result.h"

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
    Result<> begin();
    // On disk when it succeeds.
    Result<> commit();

private:
    Result<> execute(const QString& sql);

    Database m_database;
    bool m_open = false;
};
