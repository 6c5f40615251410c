#include "data/RecordSet.h"

#include "data/Criterion.h"
#include "data/EngineMessage.h"
#include "data/SqlName.h"
#include "data/SqliteStatement.h"
#include "data/Transaction.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

// The rows of a record source, shared by a record set and its clones. A source over the columns of one
// table is read as it is used: its rows' identities at open, a row's fields when it becomes current, a
// field of every row when it is listed. Any other source is read whole at open.
struct RecordSet::Table {
    Database database;
    QString source;
    QString baseTable; // empty when the source is not one updatable table
    QStringList fields;
    QStringList baseColumns; // each field's column of the base table; empty when read whole at open
    QList<bool> textColumns; // whether each of them keeps its values as text
    QList<qint64> rowIds;    // -1 each when the source is not one table
    // Fields read for every row, row by row in the source's order: all of them when read whole at open.
    QHash<int, QList<QString>> wholeFields;
    QHash<int, QList<QString>> readRows; // all fields of a few rows, by row
    QHash<qint64, int> rowsById;         // built when a field is first read whole
    // value -> first row holding it, per field; built on the first find and dropped when the field changes
    QHash<int, QHash<QString, int>> indexes;
    QString readError; // the engine's reason for the first read that failed

    // Rows kept read at a time: the current records of a window's record sets and clones, and a few more.
    static constexpr int RowsKept = 64;

    int recordCount() const { return int(rowIds.size()); }
    bool readsAsUsed() const { return !baseColumns.isEmpty(); }
    const QList<QString>* row(int row);
    const QList<QString>& wholeField(int field);
    QString valueOfRow(int row, int field);
    QString valueInList(int row, int field);
    int findInBase(int field, const QString& value);
    int findInMemory(int field, const QString& value);
    void written(int row, int field, const QString& value);
    // Whether the statement read all it had; the first failure is kept.
    bool readWhole(const SqliteStatement& query);
};

bool RecordSet::Table::readWhole(const SqliteStatement& query)
{
    const Result<> read = query.finished();
    if (!read && readError.isEmpty())
        readError = read.error();
    return read.ok();
}

const QList<QString>* RecordSet::Table::row(int row)
{
    auto found = readRows.constFind(row);
    if (found != readRows.constEnd())
        return &*found;
    QStringList columns;
    for (const QString& column : baseColumns)
        columns << quotedSqlName(column);
    SqliteStatement query(database, QLatin1String("select ") + columns.join(QLatin1Char(',')) +
                                        QLatin1String(" from ") + quotedSqlName(baseTable) +
                                        QLatin1String(" where rowid = ?"));
    query.bind(1, rowIds.at(row));
    if (!query.next()) {
        readWhole(query); // no row is one gone from the file since the set was opened
        return nullptr;
    }
    QList<QString> values;
    values.reserve(fields.size());
    for (int field = 0; field < fields.size(); ++field)
        values << query.text(field);
    if (readRows.size() >= RowsKept)
        readRows.clear();
    return &*readRows.insert(row, std::move(values));
}

const QList<QString>& RecordSet::Table::wholeField(int field)
{
    auto found = wholeFields.constFind(field);
    if (found != wholeFields.constEnd())
        return *found;
    if (rowsById.isEmpty()) {
        rowsById.reserve(rowIds.size());
        for (int row = 0; row < recordCount(); ++row)
            rowsById.insert(rowIds.at(row), row);
    }
    QList<QString> values(recordCount());
    SqliteStatement query(database, QLatin1String("select rowid,") + quotedSqlName(baseColumns.at(field)) +
                                        QLatin1String(" from ") + quotedSqlName(baseTable));
    while (query.next()) {
        const int row = rowsById.value(query.integer(0), -1);
        if (row >= 0)
            values[row] = query.text(1);
    }
    readWhole(query);
    return *wholeFields.insert(field, std::move(values));
}

QString RecordSet::Table::valueOfRow(int row, int field)
{
    if (auto whole = wholeFields.constFind(field); whole != wholeFields.constEnd())
        return whole->at(row);
    const QList<QString>* values = this->row(row);
    return values ? values->at(field) : QString();
}

QString RecordSet::Table::valueInList(int row, int field)
{
    if (auto values = readRows.constFind(row); values != readRows.constEnd())
        return values->at(field);
    return wholeField(field).at(row);
}

// The engine finds the candidates, through the column's index where the file has one; only a value equal
// character for character counts, as in the rows in memory, and the first in the source's order wins. A
// column that may hold numbers is compared as text, since a number and its text need not compare equal.
int RecordSet::Table::findInBase(int field, const QString& value)
{
    const QString column = quotedSqlName(baseColumns.at(field));
    const QString compared =
        textColumns.at(field) ? column : QLatin1String("cast(") + column + QLatin1String(" as text)");
    SqliteStatement query(database, QLatin1String("select rowid,") + column + QLatin1String(" from ") +
                                        quotedSqlName(baseTable) + QLatin1String(" where ") + compared +
                                        QLatin1String(" = ?"));
    query.bind(1, value);
    QSet<qint64> matches;
    while (query.next()) {
        if (query.text(1) == value)
            matches.insert(query.integer(0));
    }
    if (!readWhole(query))
        return -1;
    if (matches.size() == 1)
        return int(rowIds.indexOf(*matches.constBegin()));
    for (int row = 0; !matches.isEmpty() && row < recordCount(); ++row) {
        if (matches.contains(rowIds.at(row)))
            return row;
    }
    return -1;
}

int RecordSet::Table::findInMemory(int field, const QString& value)
{
    auto index = indexes.find(field);
    if (index == indexes.end()) {
        const QList<QString>& values = wholeFields[field];
        QHash<QString, int> rows;
        rows.reserve(recordCount());
        // Backwards, so that the first of equal values is the one kept; NULL equals nothing.
        for (int row = recordCount() - 1; row >= 0; --row) {
            if (!values.at(row).isNull())
                rows.insert(values.at(row), row);
        }
        index = indexes.insert(field, std::move(rows));
    }
    return index->value(value, -1);
}

// What a committed update wrote, in every copy of it kept here.
void RecordSet::Table::written(int row, int field, const QString& value)
{
    if (auto whole = wholeFields.find(field); whole != wholeFields.end())
        (*whole)[row] = value;
    if (auto values = readRows.find(row); values != readRows.end())
        (*values)[field] = value;
    indexes.remove(field);
}

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
    QString identities; // the rows' identities alone, in the source's order
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
    const QString rowId = table + QLatin1String(".rowid ");
    return RowIdSource{source.left(from) + QLatin1Char(',') + rowId + source.mid(from), table,
                       QLatin1String("select ") + rowId + source.mid(from)};
}

// Each field's column of the table, when every field is one of its columns as it stands.
QStringList baseColumnsOf(const SqliteStatement& query, int fieldCount, const QString& table)
{
    QStringList columns;
    for (int field = 0; field < fieldCount; ++field) {
        if (query.originTable(field).compare(table, Qt::CaseInsensitive) != 0 ||
            query.originColumn(field).isEmpty())
            return {};
        columns << query.originColumn(field);
    }
    return columns;
}

} // namespace

Result<RecordSet> RecordSet::open(const Database& database, const QString& source)
{
    auto table = std::make_shared<Table>();
    table->database = database;
    table->source = source;
    const std::optional<RowIdSource> rowIdSource = withRowId(source);
    std::optional<SqliteStatement> query;
    if (rowIdSource) {
        query.emplace(database, rowIdSource->sql);
        if (query->prepared())
            table->baseTable = rowIdSource->table;
    }
    if (table->baseTable.isEmpty()) {
        query.emplace(database, source);
        if (const Result<> prepared = query->prepared(); !prepared)
            return Failure{prepared.error()};
    }
    const int fieldCount = query->columnCount() - (table->baseTable.isEmpty() ? 0 : 1);
    for (int i = 0; i < fieldCount; ++i)
        table->fields << query->columnName(i);
    if (!table->baseTable.isEmpty())
        table->baseColumns = baseColumnsOf(*query, fieldCount, table->baseTable);
    for (int i = 0; i < table->baseColumns.size(); ++i)
        table->textColumns << query->hasTextAffinity(i);

    if (table->readsAsUsed()) {
        SqliteStatement identities(database, rowIdSource->identities);
        while (identities.next())
            table->rowIds << identities.integer(0);
        if (const Result<> read = identities.finished(); !read)
            return Failure{read.error()};
    } else {
        QList<QList<QString>> columns(fieldCount);
        while (query->next()) {
            for (int i = 0; i < fieldCount; ++i)
                columns[i] << query->text(i);
            table->rowIds << (table->baseTable.isEmpty() ? -1 : query->integer(fieldCount));
        }
        if (const Result<> read = query->finished(); !read)
            return Failure{read.error()};
        for (int i = 0; i < fieldCount; ++i)
            table->wholeFields.insert(i, std::move(columns[i]));
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

QString RecordSet::databasePath() const
{
    return m_table ? m_table->database.path() : QString();
}

QString RecordSet::readError() const
{
    return m_table ? m_table->readError : QString();
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
    if (!m_table || m_row < 0 || field < 0 || field >= fieldCount())
        return {};
    return m_table->valueOfRow(m_row, field);
}

QString RecordSet::value(const QString& fieldName) const
{
    return value(fieldIndex(fieldName));
}

QString RecordSet::valueAt(int row, int field) const
{
    if (!m_table || row < 0 || row >= recordCount() || field < 0 || field >= fieldCount())
        return {};
    return m_table->valueInList(row, field);
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
    const int row = m_table->readsAsUsed() ? m_table->findInBase(field, parsed->value)
                                           : m_table->findInMemory(field, parsed->value);
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

Result<> RecordSet::edit()
{
    if (!hasCurrent())
        return Failure{tr("No current record.")};
    if (!isUpdatable())
        return Failure{tr("The records of this record source cannot be changed.")};
    QList<QString> buffer;
    buffer.reserve(fieldCount());
    for (int field = 0; field < fieldCount(); ++field)
        buffer << value(field);
    m_editBuffer = std::move(buffer);
    return {};
}

Result<> RecordSet::setValue(int field, const QString& value)
{
    if (!m_editBuffer)
        return Failure{tr("Update or CancelUpdate without AddNew or Edit.")};
    if (field < 0 || field >= fieldCount())
        return Failure{tr("Item not found in this collection.")};
    (*m_editBuffer)[field] = value;
    return {};
}

Result<> RecordSet::update()
{
    if (!m_editBuffer)
        return Failure{tr("Update or CancelUpdate without AddNew or Edit.")};
    // A text box cannot tell a NULL from an empty text, so both count as the same value here.
    QList<int> changed;
    for (int field = 0; field < fieldCount(); ++field) {
        if (m_editBuffer->at(field) != value(field))
            changed << field;
    }
    if (changed.isEmpty()) {
        m_editBuffer.reset();
        return {};
    }

    QStringList assignments;
    for (int field : changed)
        assignments << quotedSqlName(m_table->fields.at(field)) + QLatin1String(" = ?");
    // One transaction, on disk before the record counts as written; on any failure nothing of it is.
    Transaction transaction(m_table->database);
    if (const Result<> begun = transaction.begin(); !begun)
        return begun;
    QSqlQuery query(m_table->database.connection());
    query.prepare(QLatin1String("update ") + quotedSqlName(m_table->baseTable) + QLatin1String(" set ") +
                  assignments.join(QLatin1String(", ")) + QLatin1String(" where rowid = ?"));
    for (int field : changed)
        query.addBindValue(m_editBuffer->at(field));
    query.addBindValue(m_table->rowIds.at(m_row));
    if (!query.exec())
        return Failure{EngineMessage::describe(query.lastError(), m_table->database.path())};
    if (query.numRowsAffected() != 1)
        return Failure{tr("The record has been deleted from the database.")};
    query.finish();
    if (const Result<> committed = transaction.commit(); !committed)
        return committed;
    for (int field : changed)
        m_table->written(m_row, field, m_editBuffer->at(field));
    m_editBuffer.reset();
    return {};
}
