#include "data/RecordSet.h"

#include "data/Criterion.h"
#include "data/SqlName.h"
#include "data/Transaction.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

struct RecordSet::Table {
    Database database;
    QString source;
    QString baseTable; // empty when the source is not one updatable table
    QStringList fields;
    QList<qint64> rowIds;
    QList<QString> values; // row by row
    // value -> first row holding it, per field; built on the first find and dropped when the field changes
    QHash<int, QHash<QString, int>> indexes;

    int recordCount() const { return int(rowIds.size()); }
    const QString& at(int row, int field) const { return values.at(qsizetype(row) * fields.size() + field); }
    QString& at(int row, int field) { return values[qsizetype(row) * fields.size() + field]; }
};

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("RecordSet", text);
}

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

struct RowIdSource {
    QString sql;
    QString table;
};

// For a source "select ... from Table [order by ...]" the same query with Table.rowid as an extra last
// column, so that an update writes exactly the row it read.
std::optional<RowIdSource> withRowId(const QString& source)
{
    if (!source.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive))
        return std::nullopt;
    qsizetype from = -1;
    QChar closer;
    for (qsizetype i = 0; i < source.size() && from < 0; ++i) {
        const QChar c = source.at(i);
        if (!closer.isNull()) {
            if (c == closer)
                closer = QChar();
        } else if (c == QLatin1Char('[')) {
            closer = QLatin1Char(']');
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            closer = c;
        } else if (source.mid(i, 4).compare(QLatin1String("from"), Qt::CaseInsensitive) == 0 &&
                   (i == 0 || !isNameChar(source.at(i - 1))) && i + 4 < source.size() &&
                   source.at(i + 4).isSpace()) {
            from = i;
        }
    }
    if (from < 0)
        return std::nullopt;
    qsizetype pos = from + 4;
    while (pos < source.size() && source.at(pos).isSpace())
        ++pos;
    const qsizetype start = pos;
    while (pos < source.size() && isNameChar(source.at(pos)))
        ++pos;
    const QString table = source.mid(start, pos - start);
    const QString rest = source.mid(pos).trimmed();
    const bool singleTable = rest.isEmpty() ||
                             rest.startsWith(QLatin1String("order "), Qt::CaseInsensitive) ||
                             rest.startsWith(QLatin1String("where "), Qt::CaseInsensitive);
    if (table.isEmpty() || !singleTable)
        return std::nullopt;
    return RowIdSource{
        source.left(from) + QLatin1Char(',') + table + QLatin1String(".rowid ") + source.mid(from), table};
}

} // namespace

namespace {

// Runs a query on the connection's own SQLite handle: the rows of a large record source come in several
// times faster than through QSqlQuery's variants.
class Statement {
public:
    Statement(const Database& database, const QString& sql)
    {
        const QVariant handle = database.connection().driver()->handle();
        m_db = handle.isValid() ? *static_cast<sqlite3* const*>(handle.constData()) : nullptr;
        const QByteArray text = sql.toUtf8();
        if (m_db)
            sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &m_statement, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return m_statement != nullptr; }
    QString error() const { return m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : QString(); }
    int columnCount() const { return sqlite3_column_count(m_statement); }
    QString columnName(int column) const
    {
        return QString::fromUtf8(sqlite3_column_name(m_statement, column));
    }
    // True for a row, false at the end or on an error.
    bool next()
    {
        m_result = sqlite3_step(m_statement);
        return m_result == SQLITE_ROW;
    }
    bool failed() const { return m_result != SQLITE_DONE && m_result != SQLITE_ROW; }
    QString text(int column) const
    {
        const auto* utf8 = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        return utf8 ? QString::fromUtf8(utf8, sqlite3_column_bytes(m_statement, column)) : QString();
    }
    qint64 integer(int column) const { return sqlite3_column_int64(m_statement, column); }

private:
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
    int m_result = SQLITE_OK;
};

} // namespace

std::optional<RecordSet> RecordSet::open(const Database& database, const QString& source, QString* error)
{
    auto table = std::make_shared<Table>();
    table->database = database;
    table->source = source;

    const std::optional<RowIdSource> rowIdSource = withRowId(source);
    std::optional<Statement> query;
    if (rowIdSource) {
        query.emplace(database, rowIdSource->sql);
        if (query->isValid())
            table->baseTable = rowIdSource->table;
    }
    if (table->baseTable.isEmpty()) {
        query.emplace(database, source);
        if (!query->isValid()) {
            if (error)
                *error = query->error();
            return std::nullopt;
        }
    }

    const int fieldCount = query->columnCount() - (table->baseTable.isEmpty() ? 0 : 1);
    for (int i = 0; i < fieldCount; ++i)
        table->fields << query->columnName(i);
    while (query->next()) {
        for (int i = 0; i < fieldCount; ++i)
            table->values << query->text(i);
        table->rowIds << (table->baseTable.isEmpty() ? -1 : query->integer(fieldCount));
    }
    if (query->failed()) {
        if (error)
            *error = query->error();
        return std::nullopt;
    }

    RecordSet set;
    set.m_table = std::move(table);
    set.moveFirst();
    return set;
}

RecordSet RecordSet::clone() const
{
    RecordSet copy;
    copy.m_table = m_table;
    copy.moveFirst();
    return copy;
}

QString RecordSet::source() const
{
    return m_table ? m_table->source : QString();
}

int RecordSet::fieldCount() const
{
    return m_table ? int(m_table->fields.size()) : 0;
}

QString RecordSet::fieldName(int field) const
{
    return m_table ? m_table->fields.value(field) : QString();
}

int RecordSet::fieldIndex(const QString& name) const
{
    // Field names are found without regard to case, as the database engine finds them.
    if (m_table) {
        for (int field = 0; field < m_table->fields.size(); ++field) {
            if (m_table->fields.at(field).compare(name, Qt::CaseInsensitive) == 0)
                return field;
        }
    }
    return -1;
}

int RecordSet::recordCount() const
{
    return m_table ? m_table->recordCount() : 0;
}

bool RecordSet::hasCurrent() const
{
    return m_row >= 0;
}

int RecordSet::absolutePosition() const
{
    return m_row;
}

QString RecordSet::value(int field) const
{
    return valueAt(m_row, field);
}

QString RecordSet::value(const QString& fieldName) const
{
    return value(fieldIndex(fieldName));
}

QString RecordSet::valueAt(int row, int field) const
{
    if (!m_table || row < 0 || row >= recordCount() || field < 0 || field >= fieldCount())
        return {};
    return m_table->at(row, field);
}

void RecordSet::setRow(int row)
{
    m_editBuffer.reset();
    m_row = (row >= 0 && row < recordCount()) ? row : -1;
}

void RecordSet::moveFirst()
{
    setRow(recordCount() > 0 ? 0 : -1);
}

void RecordSet::move(int records)
{
    if (m_row >= 0)
        setRow(m_row + records);
}

int RecordSet::findRow(int field, const QString& value) const
{
    auto index = m_table->indexes.find(field);
    if (index == m_table->indexes.end()) {
        QHash<QString, int> rows;
        rows.reserve(recordCount());
        // Backwards, so that the first of equal values is the one kept; NULL equals nothing.
        for (int row = recordCount() - 1; row >= 0; --row) {
            const QString& text = m_table->at(row, field);
            if (!text.isNull())
                rows.insert(text, row);
        }
        index = m_table->indexes.insert(field, std::move(rows));
    }
    return index->value(value, -1);
}

bool RecordSet::findFirst(const QString& criterion)
{
    m_noMatch = true;
    const std::optional<Criterion> parsed = Criterion::parse(criterion);
    if (!m_table || !parsed)
        return false;
    if (!parsed->table.isEmpty() && !m_table->baseTable.isEmpty() &&
        parsed->table.compare(m_table->baseTable, Qt::CaseInsensitive) != 0)
        return false;
    const int field = fieldIndex(parsed->field);
    if (field < 0)
        return false;
    const int row = findRow(field, parsed->value);
    if (row < 0)
        return false;
    setRow(row);
    m_noMatch = false;
    return true;
}

RecordSet::Bookmark RecordSet::bookmark() const
{
    return Bookmark{m_row};
}

void RecordSet::setBookmark(Bookmark bookmark)
{
    setRow(bookmark.row);
}

bool RecordSet::isUpdatable() const
{
    return m_table && !m_table->baseTable.isEmpty() && !m_table->database.isReadOnly();
}

bool RecordSet::edit(QString* error)
{
    if (!hasCurrent()) {
        if (error)
            *error = tr("No current record.");
        return false;
    }
    if (!isUpdatable()) {
        if (error)
            *error = tr("The records of this record source cannot be changed.");
        return false;
    }
    QList<QString> buffer;
    buffer.reserve(fieldCount());
    for (int field = 0; field < fieldCount(); ++field)
        buffer << value(field);
    m_editBuffer = std::move(buffer);
    return true;
}

bool RecordSet::setValue(int field, const QString& value, QString* error)
{
    if (!m_editBuffer) {
        if (error)
            *error = tr("Update or CancelUpdate without AddNew or Edit.");
        return false;
    }
    if (field < 0 || field >= fieldCount()) {
        if (error)
            *error = tr("Item not found in this collection.");
        return false;
    }
    (*m_editBuffer)[field] = value;
    return true;
}

bool RecordSet::update(QString* error)
{
    if (!m_editBuffer) {
        if (error)
            *error = tr("Update or CancelUpdate without AddNew or Edit.");
        return false;
    }
    // A text box cannot tell a NULL from an empty text, so both count as the same value here.
    QList<int> changed;
    for (int field = 0; field < fieldCount(); ++field) {
        if (m_editBuffer->at(field) != value(field))
            changed << field;
    }
    if (changed.isEmpty()) {
        m_editBuffer.reset();
        return true;
    }

    QStringList assignments;
    for (int field : changed)
        assignments << quotedSqlName(m_table->fields.at(field)) + QLatin1String(" = ?");
    // One transaction, on disk before the record counts as written; on any failure nothing of it is.
    Transaction transaction(m_table->database);
    if (!transaction.begin(error))
        return false;
    QSqlQuery query(m_table->database.connection());
    query.prepare(QLatin1String("update ") + quotedSqlName(m_table->baseTable) + QLatin1String(" set ") +
                  assignments.join(QLatin1String(", ")) + QLatin1String(" where rowid = ?"));
    for (int field : changed)
        query.addBindValue(m_editBuffer->at(field));
    query.addBindValue(m_table->rowIds.at(m_row));
    if (!query.exec()) {
        if (error)
            *error = query.lastError().databaseText();
        return false;
    }
    if (query.numRowsAffected() != 1) {
        if (error)
            *error = tr("The record has been deleted from the database.");
        return false;
    }
    query.finish();
    if (!transaction.commit(error))
        return false;
    for (int field : changed) {
        m_table->at(m_row, field) = m_editBuffer->at(field);
        m_table->indexes.remove(field);
    }
    m_editBuffer.reset();
    return true;
}
