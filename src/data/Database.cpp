#include "data/Database.h"

#include "data/EngineMessage.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

struct Database::Connection {
    QString name;
    QString path;
    bool readOnly = false;

    ~Connection()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
};

QString Database::path() const
{
    return m_connection ? m_connection->path : QString();
}

bool Database::isReadOnly() const
{
    return m_connection && m_connection->readOnly;
}

QSqlDatabase Database::connection() const
{
    return m_connection ? QSqlDatabase::database(m_connection->name, false) : QSqlDatabase();
}

Result<Database> Database::open(const QString& path, bool readOnly)
{
    static std::atomic<int> counter{0};
    auto connection = std::make_shared<Connection>();
    connection->name = QStringLiteral("velcarin-%1").arg(++counter);
    connection->path = path;
    connection->readOnly = readOnly;

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection->name);
    if (readOnly) {
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    } else {
        // mode=rw keeps a file that vanished from coming back as an empty database.
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=rw"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=2000"));
    }
    if (!db.open())
        return Failure{EngineMessage::describe(db.lastError(), path)};
    // SQLite opens lazily: read the schema now so that a file that is no database fails here.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master")))
        return Failure{EngineMessage::describe(probe.lastError(), path)};
    // A save is on disk before it is reported, also across a power cut: the rollback journal keeps the
    // database one file that can be copied or replaced whole, and EXTRA syncs the folder as well once
    // the journal is deleted at a commit.
    if (!readOnly && !probe.exec(QStringLiteral("PRAGMA synchronous = EXTRA")))
        return Failure{EngineMessage::describe(probe.lastError(), path)};
    Database database;
    database.m_connection = std::move(connection);
    return database;
}
