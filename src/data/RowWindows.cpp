#include "data/RowWindows.h"

#include "data/SqlName.h"
#include "data/SqliteStatement.h"

#include <algorithm>

namespace {

// Rows kept placed at a time: a long list scrolled through, yet little beside a large table.
constexpr int RowsKept = 20000;

// The blob a key holds lives in the key, which outlives the statement's steps.
void bindValue(SqliteStatement& query, int parameter, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
        query.bind(parameter, value.toLongLong());
        break;
    case QMetaType::Double:
        query.bind(parameter, value.toDouble());
        break;
    case QMetaType::QString:
        query.bind(parameter, value.toString());
        break;
    case QMetaType::QByteArray:
        query.bindBlob(parameter, *static_cast<const QByteArray*>(value.constData()));
        break;
    default:
        query.bindNull(parameter);
    }
}

} // namespace

RowWindows::RowWindows(const Database& database, Order order, int rowsPerWindow)
    : m_database(database)
    , m_order(std::move(order))
    , m_column(m_order.column.isEmpty() ? QStringLiteral("rowid") : quotedSqlName(m_order.column))
    , m_rowsPerWindow(std::max(1, rowsPerWindow))
{
}

QString RowWindows::select(const QString& columns, const QString& condition) const
{
    QStringList conditions;
    if (!m_order.filter.isEmpty())
        conditions << QLatin1Char('(') + m_order.filter + QLatin1Char(')');
    if (!condition.isEmpty())
        conditions << condition;
    QString sql = QLatin1String("select ") + columns + QLatin1String(" from ") + quotedSqlName(m_order.table);
    if (!conditions.isEmpty())
        sql += QLatin1String(" where ") + conditions.join(QLatin1String(" and "));
    return sql;
}

QString RowWindows::sorted(bool ascending) const
{
    const QLatin1String direction(ascending ? "" : " desc");
    return QLatin1String(" order by ") + m_column + direction + QLatin1String(", rowid") + direction;
}

// The rows after one in ascending order; a NULL sorts before every value. Each part is a range of the
// index, so that a window far into the table costs no more than the first.
QList<RowWindows::Part> RowWindows::after(const Row& row) const
{
    if (!row.key.isValid())
        return {{m_column + QLatin1String(" is null and rowid > ?"), {row.id}},
                {m_column + QLatin1String(" is not null"), {}}};
    return {{QLatin1Char('(') + m_column + QLatin1String(", rowid) > (?, ?)"), {row.key, row.id}}};
}

QList<RowWindows::Part> RowWindows::before(const Row& row) const
{
    if (!row.key.isValid())
        return {{m_column + QLatin1String(" is null and rowid < ?"), {row.id}}};
    return {{m_column + QLatin1String(" is null"), {}},
            {QLatin1Char('(') + m_column + QLatin1String(", rowid) < (?, ?)"), {row.key, row.id}}};
}

Result<QList<RowWindows::Row>> RowWindows::read(const QList<Part>& parts, bool ascending, int rows,
                                                int offset) const
{
    QList<Row> found;
    for (const Part& part : parts) {
        if (found.size() >= rows)
            break;
        SqliteStatement query(m_database, select(QLatin1String("rowid,") + m_column, part.condition) +
                                              sorted(ascending) + QLatin1String(" limit ? offset ?"));
        int parameter = 1;
        for (const QVariant& value : part.values)
            bindValue(query, parameter++, value);
        query.bind(parameter++, qint64(rows - found.size()));
        query.bind(parameter, qint64(offset));
        while (query.next())
            found << rowOf(query);
        if (const Result<> read = query.finished(); !read)
            return Failure{read.error()};
    }
    return found;
}

Result<QList<RowWindows::Row>> RowWindows::beside(const Row& row, bool forward) const
{
    const bool ascending = forward != m_order.descending;
    QList<Part> parts = ascending ? after(row) : before(row);
    if (!ascending)
        std::reverse(parts.begin(), parts.end());
    return read(parts, ascending, m_rowsPerWindow);
}

RowWindows::Row RowWindows::rowOf(const SqliteStatement& query) const
{
    Row row{query.integer(0), {}};
    switch (query.kind(1)) {
    case SqliteStatement::Kind::Null:
        break;
    case SqliteStatement::Kind::Integer:
        row.key = query.integer(1);
        break;
    case SqliteStatement::Kind::Real:
        row.key = query.real(1);
        break;
    case SqliteStatement::Kind::Text:
        row.key = query.text(1);
        break;
    case SqliteStatement::Kind::Blob:
        row.key = query.bytes(1).toByteArray();
        break;
    }
    return row;
}

// Windows that disagree with what the file holds now are dropped, and so are old ones when many are kept.
void RowWindows::place(int first, int step, const QList<Row>& rows)
{
    bool disagrees = m_rows.size() + rows.size() > RowsKept;
    for (int i = 0; i < rows.size() && !disagrees; ++i) {
        const int position = first + i * step;
        const auto there = m_rows.constFind(position);
        const auto placed = m_placesOf.constFind(rows.at(i).id);
        disagrees = (there != m_rows.constEnd() && there->id != rows.at(i).id) ||
                    (placed != m_placesOf.constEnd() && *placed != position);
    }
    if (disagrees)
        forget();
    for (int i = 0; i < rows.size(); ++i) {
        m_rows.insert(first + i * step, rows.at(i));
        m_placesOf.insert(rows.at(i).id, first + i * step);
    }
}

Result<std::optional<qint64>> RowWindows::at(int position)
{
    if (auto found = m_rows.constFind(position); found != m_rows.constEnd())
        return std::optional(found->id);
    if (position < 0 || (m_count && position >= *m_count))
        return std::optional<qint64>();
    int first = position;
    int step = 1;
    Result<QList<Row>> rows = QList<Row>();
    if (const auto previous = m_rows.constFind(position - 1); previous != m_rows.constEnd()) {
        rows = beside(*previous, true);
    } else if (const auto next = m_rows.constFind(position + 1); next != m_rows.constEnd()) {
        rows = beside(*next, false);
        step = -1;
    } else if (m_count && position >= *m_count - m_rowsPerWindow) {
        // Near the end: the last window, read backwards from the last row.
        rows = read({Part{}}, m_order.descending, m_rowsPerWindow);
        first = *m_count - 1;
        step = -1;
    } else {
        // Nothing read beside it: the index is walked to the position once.
        rows = read({Part{}}, !m_order.descending, m_rowsPerWindow, position);
    }
    if (!rows)
        return Failure{rows.error()};
    place(first, step, *rows);
    if (auto found = m_rows.constFind(position); found != m_rows.constEnd())
        return std::optional(found->id);
    return std::optional<qint64>();
}

Result<int> RowWindows::count()
{
    if (!m_count) {
        SqliteStatement query(m_database, select(QStringLiteral("count(*)"), {}));
        if (!query.next())
            return Failure{query.finished().error()};
        m_count = int(query.integer(0));
    }
    return *m_count;
}

Result<std::optional<int>> RowWindows::positionOf(qint64 id)
{
    if (auto placed = m_placesOf.constFind(id); placed != m_placesOf.constEnd())
        return std::optional(*placed);
    SqliteStatement keyQuery(m_database,
                             select(QLatin1String("rowid,") + m_column, QStringLiteral("rowid = ?")));
    keyQuery.bind(1, id);
    if (!keyQuery.next()) {
        if (const Result<> read = keyQuery.finished(); !read)
            return Failure{read.error()};
        return std::optional<int>();
    }
    const Row row = rowOf(keyQuery);
    // The rows before it are counted through the index, part by part.
    int position = 0;
    for (const Part& part : m_order.descending ? after(row) : before(row)) {
        SqliteStatement query(m_database, select(QStringLiteral("count(*)"), part.condition));
        int parameter = 1;
        for (const QVariant& value : part.values)
            bindValue(query, parameter++, value);
        if (!query.next())
            return Failure{query.finished().error()};
        position += int(query.integer(0));
    }
    place(position, 1, {row});
    return std::optional(position);
}

Result<std::optional<qint64>> RowWindows::findFirst(const QString& column, bool textColumn,
                                                    const QString& value)
{
    const QString quoted = quotedSqlName(column);
    const QString compared =
        textColumn ? quoted : QLatin1String("cast(") + quoted + QLatin1String(" as text)");
    SqliteStatement query(m_database,
                          select(QLatin1String("rowid,") + quoted, compared + QLatin1String(" = ?")) +
                              sorted(!m_order.descending));
    query.bind(1, value);
    while (query.next()) {
        if (query.text(1) == value)
            return std::optional(query.integer(0));
    }
    if (const Result<> read = query.finished(); !read)
        return Failure{read.error()};
    return std::optional<qint64>();
}

QList<qint64> RowWindows::readAround(int position) const
{
    QList<qint64> ids;
    for (int near = position - m_rowsPerWindow + 1; near < position + m_rowsPerWindow; ++near) {
        if (auto row = m_rows.constFind(near); row != m_rows.constEnd())
            ids << row->id;
    }
    return ids;
}

void RowWindows::forget()
{
    m_rows.clear();
    m_placesOf.clear();
    m_count.reset();
}
