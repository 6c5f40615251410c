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
        (void)execute(QStringLiteral("ROLLBACK"));
}

Result<> Transaction::begin()
{
    Result<> begun = execute(QStringLiteral("BEGIN IMMEDIATE"));
    m_open = begun.ok();
    return begun;
}

Result<> Transaction::commit()
{
    Result<> committed = execute(QStringLiteral("COMMIT"));
    if (committed)
        m_open = false;
    return committed;
}

Result<> Transaction::execute(const QString& sql)
{
    QSqlQuery query(m_database.connection());
    if (!query.exec(sql))
        return Failure{EngineMessage::describe(query.lastError(), m_database.path())};
    return {};
}
