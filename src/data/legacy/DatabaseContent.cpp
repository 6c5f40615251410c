#include "data/legacy/DatabaseContent.h"

#include "data/SqlName.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>
#include <QtEndian>

#include <sqlite3.h>

#include <cstring>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DatabaseContent", text);
}

// A statement, finalized with it.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql)
    {
        const QByteArray text = sql.toUtf8();
        m_result = sqlite3_prepare_v2(db, text.constData(), int(text.size()), &m_statement, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return m_result == SQLITE_OK; }
    sqlite3_stmt* get() const { return m_statement; }

private:
    sqlite3_stmt* m_statement = nullptr;
    int m_result = SQLITE_ERROR;
};

QString columnText(sqlite3_stmt* statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                             sqlite3_column_bytes(statement, column));
}

} // namespace

QString DatabaseContent::differenceFrom(const DatabaseContent& other) const
{
    for (qsizetype i = 0; i < qMax(tables.size(), other.tables.size()); ++i) {
        if (i >= tables.size())
            return tr("the table \"%1\" is missing").arg(other.tables.at(i).name);
        if (i >= other.tables.size())
            return tr("there is a table \"%1\" too many").arg(tables.at(i).name);
        const Table& mine = tables.at(i);
        const Table& theirs = other.tables.at(i);
        if (mine.name != theirs.name)
            return tr("the table \"%1\" stands where \"%2\" should").arg(mine.name, theirs.name);
        if (mine.columns != theirs.columns)
            return tr("the columns of the table \"%1\" differ").arg(mine.name);
        if (mine.rows != theirs.rows)
            return tr("the table \"%1\" holds %2 rows instead of %3")
                .arg(mine.name)
                .arg(mine.rows)
                .arg(theirs.rows);
    }
    if (checksum != other.checksum)
        return tr("the values differ");
    return {};
}

std::optional<DatabaseContent> DatabaseContent::ofSqliteFile(const QString& path, QString* error)
{
    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    const auto close = qScopeGuard([db] { sqlite3_close(db); });
    auto fail = [db, error] {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(db));
        return std::nullopt;
    };
    if (opened != SQLITE_OK)
        return fail();

    DatabaseContent content;
    {
        const Statement names(db,
                              QStringLiteral("select name from sqlite_master where type = 'table' "
                                             "and name not like 'sqlite\\_%' escape '\\' order by rowid"));
        if (!names.isValid())
            return fail();
        while (sqlite3_step(names.get()) == SQLITE_ROW)
            content.tables << Table{columnText(names.get(), 0), {}, 0};
    }

    ContentChecksum checksum;
    for (Table& table : content.tables) {
        const Statement rows(
            db, QStringLiteral("select * from %1 order by rowid").arg(quotedSqlName(table.name)));
        if (!rows.isValid())
            return fail();
        sqlite3_stmt* statement = rows.get();
        const int columns = sqlite3_column_count(statement);
        for (int c = 0; c < columns; ++c)
            table.columns << QString::fromUtf8(sqlite3_column_name(statement, c));
        checksum.addTable(table.name, table.columns);
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                sqlite3_value* value = sqlite3_column_value(statement, c);
                switch (sqlite3_value_type(value)) {
                case SQLITE_NULL:
                    checksum.addNull();
                    break;
                case SQLITE_INTEGER:
                    checksum.addInteger(sqlite3_value_int64(value));
                    break;
                case SQLITE_FLOAT:
                    checksum.addReal(sqlite3_value_double(value));
                    break;
                case SQLITE_TEXT: {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
                    checksum.addText(QByteArrayView(text, sqlite3_value_bytes(value)));
                    break;
                }
                default: {
                    const auto* blob = static_cast<const char*>(sqlite3_value_blob(value));
                    checksum.addBlob(QByteArrayView(blob, sqlite3_value_bytes(value)));
                    break;
                }
                }
            }
            ++table.rows;
        }
        if (step != SQLITE_DONE)
            return fail();
    }
    content.checksum = checksum.result();
    return content;
}

void ContentChecksum::addTable(const QString& name, const QStringList& columns)
{
    addBytes(TableName, name.toUtf8());
    for (const QString& column : columns)
        addBytes(ColumnName, column.toUtf8());
}

void ContentChecksum::addInteger(qint64 value)
{
    const qint64 stored = qToLittleEndian(value);
    addBytes(Integer, QByteArrayView(reinterpret_cast<const char*>(&stored), sizeof stored));
}

void ContentChecksum::addReal(double value)
{
    const double stored = qToLittleEndian(value);
    addBytes(Real, QByteArrayView(reinterpret_cast<const char*>(&stored), sizeof stored));
}

QByteArray ContentChecksum::result()
{
    flush();
    return m_hash.result();
}

void ContentChecksum::addBytes(Tag tag, QByteArrayView bytes)
{
    // The tag and the length first, so that values cannot run into each other; the length takes seven
    // bits a byte, which keeps the many short values short.
    std::array<char, 11> head{tag};
    qsizetype used = 1;
    for (quint64 size = quint64(bytes.size());; size >>= 7) {
        head[used++] = char((size & 0x7f) | (size > 0x7f ? 0x80 : 0));
        if (size <= 0x7f)
            break;
    }
    append(head.data(), used);
    append(bytes.data(), bytes.size());
}

void ContentChecksum::append(const void* data, qsizetype size)
{
    // A NULL or an empty text brings no bytes, and no pointer to copy them from.
    if (size == 0)
        return;
    if (m_used + size > qsizetype(m_pending.size()))
        flush();
    if (size > qsizetype(m_pending.size())) {
        m_hash.addData(QByteArrayView(static_cast<const char*>(data), size));
        return;
    }
    std::memcpy(m_pending.data() + m_used, data, size_t(size));
    m_used += size;
}

void ContentChecksum::flush()
{
    m_hash.addData(QByteArrayView(m_pending.data(), m_used));
    m_used = 0;
}
