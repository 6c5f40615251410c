#include "data/Transaction.h"

#include "data/EngineMessage.h"

#include <QSqlError>
#include <QSqlQuery>

Transaction::Transaction(Database database)
    : m_database(std::move(database))
{
}

Transaction::~Transaction()
{
    // After a failed statement or commit the engine may have rolled back already; then this does nothing.
    if (m_open)
        execute(QStringLiteral("ROLLBACK"), nullptr);
}

bool Transaction::begin(QString* error)
{
    m_open = execute(QStringLiteral("BEGIN IMMEDIATE"), error);
    return m_open;
}

bool Transaction::commit(QString* error)
{
    if (!execute(QStringLiteral("COMMIT"), error))
        return false;
    m_open = false;
    return true;
}

bool Transaction::execute(const QString& sql, QString* error)
{
    QSqlQuery query(m_database.connection());
    if (query.exec(sql))
        return true;
    if (error)
        *error = EngineMessage::describe(query.lastError(), m_database.path());
    return false;
}
