#include "data/legacy/DatabaseContent.h"

#include "data/SqlName.h"
#include "data/SqliteConnection.h"
#include "data/SqliteStatement.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstring>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("DatabaseContent", text);
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

Result<DatabaseContent> DatabaseContent::ofSqliteFile(const QString& path)
{
    SqliteConnection db;
    if (const Result<> opened = db.open(path, SqliteConnection::Mode::ReadOnly); !opened)
        return Failure{opened.error()};

    DatabaseContent content;
    {
        SqliteStatement names(db.handle(),
                              QStringLiteral("select name from sqlite_master where type = 'table' "
                                             "and name not like 'sqlite\\_%' escape '\\' order by rowid"));
        while (names.next())
            content.tables << Table{names.text(0), {}, 0};
        if (const Result<> read = names.finished(); !read)
            return Failure{read.error()};
    }

    ContentChecksum checksum;
    for (Table& table : content.tables) {
        SqliteStatement rows(
            db.handle(), QStringLiteral("select * from %1 order by rowid").arg(quotedSqlName(table.name)));
        if (const Result<> prepared = rows.prepared(); !prepared)
            return Failure{prepared.error()};
        const int columns = rows.columnCount();
        for (int c = 0; c < columns; ++c)
            table.columns << rows.columnName(c);
        checksum.addTable(table.name, table.columns);
        while (rows.next()) {
            for (int c = 0; c < columns; ++c) {
                switch (rows.kind(c)) {
                case SqliteStatement::Kind::Null:
                    checksum.addNull();
                    break;
                case SqliteStatement::Kind::Integer:
                    checksum.addInteger(rows.integer(c));
                    break;
                case SqliteStatement::Kind::Real:
                    checksum.addReal(rows.real(c));
                    break;
                case SqliteStatement::Kind::Text:
                    checksum.addText(rows.bytes(c));
                    break;
                case SqliteStatement::Kind::Blob:
                    checksum.addBlob(rows.bytes(c));
                    break;
                }
            }
            ++table.rows;
        }
        if (const Result<> read = rows.finished(); !read)
            return Failure{read.error()};
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
