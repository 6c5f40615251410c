#include "data/SqliteConnection.h"

#include <QFile>

#include <sqlite3.h>

SqliteConnection::~SqliteConnection()
{
    sqlite3_close(m_db);
}

Result<> SqliteConnection::open(const QString& path, Mode mode)
{
    const int flags =
        (mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    // The engine gives a handle, for its message, also when it cannot open the file.
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, flags, nullptr) != SQLITE_OK)
        return Failure{lastError()};
    return {};
}

Result<> SqliteConnection::execute(const char* sql)
{
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        return Failure{lastError()};
    return {};
}

Result<> SqliteConnection::close()
{
    if (sqlite3_close(m_db) != SQLITE_OK)
        return Failure{lastError()};
    m_db = nullptr;
    return {};
}

QString SqliteConnection::lastError() const
{
    // Without a handle the engine could not even allocate one.
    return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QStringLiteral("out of memory");
}
