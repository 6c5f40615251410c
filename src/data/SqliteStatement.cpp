#include "data/SqliteStatement.h"

#include "data/Database.h"

#include <QCoreApplication>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace {

sqlite3* handleOf(const Database& database)
{
    const QVariant handle = database.connection().driver()->handle();
    return handle.isValid() ? *static_cast<sqlite3* const*>(handle.constData()) : nullptr;
}

} // namespace

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql)
    : m_db(db)
{
    const QByteArray text = sql.toUtf8();
    if (!m_db ||
        sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_statement, nullptr) != SQLITE_OK)
        m_reason = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db))
                        : QCoreApplication::translate("SqliteStatement", "the database is not open");
}

SqliteStatement::SqliteStatement(const Database& database, const QString& sql)
    : SqliteStatement(handleOf(database), sql)
{
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

Result<> SqliteStatement::prepared() const
{
    if (!m_reason.isEmpty())
        return Failure{m_reason};
    return {};
}

void SqliteStatement::bindNull(int parameter)
{
    bound(sqlite3_bind_null(m_statement, parameter));
}

void SqliteStatement::bind(int parameter, qint64 value)
{
    bound(sqlite3_bind_int64(m_statement, parameter, value));
}

void SqliteStatement::bind(int parameter, double value)
{
    bound(sqlite3_bind_double(m_statement, parameter, value));
}

void SqliteStatement::bind(int parameter, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    bound(sqlite3_bind_text64(m_statement, parameter, utf8.constData(), sqlite3_uint64(utf8.size()),
                              SQLITE_TRANSIENT, SQLITE_UTF8));
}

void SqliteStatement::bindText(int parameter, QByteArrayView utf8)
{
    bound(sqlite3_bind_text64(m_statement, parameter, utf8.data(), sqlite3_uint64(utf8.size()), SQLITE_STATIC,
                              SQLITE_UTF8));
}

void SqliteStatement::bindBlob(int parameter, QByteArrayView bytes)
{
    bound(sqlite3_bind_blob64(m_statement, parameter, bytes.data(), sqlite3_uint64(bytes.size()),
                              SQLITE_STATIC));
}

void SqliteStatement::bound(int result)
{
    if (result != SQLITE_OK && m_reason.isEmpty())
        m_reason = QString::fromUtf8(sqlite3_errmsg(m_db));
}

bool SqliteStatement::next()
{
    // A text of no statement, only blanks or a comment, is prepared to nothing and has no rows.
    if (!m_statement || !m_reason.isEmpty())
        return false;
    const int stepped = sqlite3_step(m_statement);
    if (stepped == SQLITE_ROW)
        return true;
    if (stepped != SQLITE_DONE)
        m_reason = QString::fromUtf8(sqlite3_errmsg(m_db));
    return false;
}

Result<> SqliteStatement::finished() const
{
    if (!m_reason.isEmpty())
        return Failure{m_reason};
    return {};
}

Result<> SqliteStatement::run()
{
    while (next()) {
    }
    const Result<> done = finished();
    sqlite3_reset(m_statement);
    return done;
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_statement);
}

QString SqliteStatement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

QString SqliteStatement::originTable(int column) const
{
    return QString::fromUtf8(sqlite3_column_table_name(m_statement, column));
}

QString SqliteStatement::originColumn(int column) const
{
    return QString::fromUtf8(sqlite3_column_origin_name(m_statement, column));
}

bool SqliteStatement::hasTextAffinity(int column) const
{
    const QString type = QString::fromUtf8(sqlite3_column_decltype(m_statement, column)).toUpper();
    return !type.contains(QLatin1String("INT")) &&
           (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("CLOB")) ||
            type.contains(QLatin1String("TEXT")));
}

SqliteStatement::Kind SqliteStatement::kind(int column) const
{
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return Kind::Null;
    case SQLITE_INTEGER:
        return Kind::Integer;
    case SQLITE_FLOAT:
        return Kind::Real;
    case SQLITE_TEXT:
        return Kind::Text;
    default:
        return Kind::Blob;
    }
}

QString SqliteStatement::text(int column) const
{
    const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return utf8 ? QString::fromUtf8(utf8, sqlite3_column_bytes(m_statement, column)) : QString();
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double SqliteStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

QByteArrayView SqliteStatement::bytes(int column) const
{
    // The bytes are asked for after their kind, so that a text is not converted into a blob or back.
    const void* data = kind(column) == Kind::Text
                           ? static_cast<const void*>(sqlite3_column_text(m_statement, column))
                           : sqlite3_column_blob(m_statement, column);
    return QByteArrayView(static_cast<const char*>(data), sqlite3_column_bytes(m_statement, column));
}
