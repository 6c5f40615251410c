#include "data/RecordSet.h"

#include "data/Criterion.h"
#include "data/EngineMessage.h"
#include "data/RowWindows.h"
#include "data/SqlName.h"
#include "data/SqliteStatement.h"
#include "data/Transaction.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

// The rows of a record source, shared by a record set and its clones. A source over the columns of one
// table, in the order of one column, is read as it is used: which row stands where a window at a time, a
// row's fields when it becomes current, a listed field for the rows around the one shown. A row is named
// by its identity in the table. Any other source is read whole at open, and a row is named by its position.
struct RecordSet::Table {
    Database database;
    QString source;
    QString baseTable; // empty when the source is not one updatable table
    QStringList fields;
    QStringList baseColumns; // each field's column of the base table; empty when read whole at open
    QList<bool> textColumns; // whether each of them keeps its values as text
    // Read as used.
    std::unique_ptr<RowWindows> windows;
    QHash<qint64, QList<QString>> readRows;    // all fields of a few rows
    QHash<int, QHash<qint64, QString>> listed; // fields read for a list, by field and row
    // Read whole at open: each field of every row, and each row's row of the base table (-1 without one).
    QList<qint64> rowIds;
    QHash<int, QList<QString>> wholeFields;
    // value -> first row holding it, per field; built on the first find and dropped when the field changes
    QHash<int, QHash<QString, int>> indexes;
    QString readError; // the engine's reason for the first read that failed

    // Rows kept read at a time: the current records of a window's record sets and clones, and a few more.
    static constexpr int RowsKept = 64;
    // Values of a field kept for a list: more than a screen scrolled through many times.
    static constexpr int ValuesListed = 20000;

    bool readsAsUsed() const { return windows != nullptr; }
    // Whether the read succeeded; the first failure is kept.
    bool succeeded(const auto& read)
    {
        if (!read && readError.isEmpty())
            readError = read.error();
        return read.ok();
    }
    std::optional<qint64> rowAt(int position);
    int positionOf(qint64 row);
    int recordCount();
    qint64 baseRowId(qint64 row) const { return readsAsUsed() ? row : rowIds.at(row); }
    const QList<QString>* fieldsOf(qint64 row);
    QString valueOfRow(qint64 row, int field);
    QString valueInList(int position, int field);
    void readListed(int field, const QList<qint64>& rows);
    std::optional<qint64> find(int field, const QString& value);
    int findInMemory(int field, const QString& value);
    void written(qint64 row, int field, const QString& value);
};

std::optional<qint64> RecordSet::Table::rowAt(int position)
{
    if (!readsAsUsed())
        return position >= 0 && position < rowIds.size() ? std::optional<qint64>(position) : std::nullopt;
    const Result<std::optional<qint64>> row = windows->at(position);
    return succeeded(row) ? *row : std::nullopt;
}

int RecordSet::Table::positionOf(qint64 row)
{
    if (!readsAsUsed())
        return int(row);
    const Result<std::optional<int>> position = windows->positionOf(row);
    return succeeded(position) ? position->value_or(-1) : -1;
}

int RecordSet::Table::recordCount()
{
    if (!readsAsUsed())
        return int(rowIds.size());
    const Result<int> count = windows->count();
    return succeeded(count) ? *count : 0;
}

const QList<QString>* RecordSet::Table::fieldsOf(qint64 row)
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
    query.bind(1, row);
    if (!query.next()) {
        succeeded(query.finished()); // no row is one gone from the file since it was placed
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

QString RecordSet::Table::valueOfRow(qint64 row, int field)
{
    if (!readsAsUsed())
        return wholeFields.constFind(field)->at(row);
    const QList<QString>* values = fieldsOf(row);
    return values ? values->at(field) : QString();
}

QString RecordSet::Table::valueInList(int position, int field)
{
    const std::optional<qint64> row = rowAt(position);
    if (!row)
        return {};
    if (!readsAsUsed())
        return wholeFields.constFind(field)->at(*row);
    if (auto values = readRows.constFind(*row); values != readRows.constEnd())
        return values->at(field);
    if (!listed.value(field).contains(*row))
        readListed(field, windows->readAround(position));
    return listed.value(field).value(*row);
}

// One statement for the rows around the one asked for, as a list shows them together.
void RecordSet::Table::readListed(int field, const QList<qint64>& rows)
{
    QHash<qint64, QString>& values = listed[field];
    if (values.size() + rows.size() > ValuesListed)
        values.clear();
    QList<qint64> unread;
    for (qint64 row : rows) {
        if (!values.contains(row))
            unread << row;
    }
    QStringList parameters(unread.size(), QStringLiteral("?"));
    SqliteStatement query(database, QLatin1String("select rowid,") + quotedSqlName(baseColumns.at(field)) +
                                        QLatin1String(" from ") + quotedSqlName(baseTable) +
                                        QLatin1String(" where rowid in (") +
                                        parameters.join(QLatin1Char(',')) + QLatin1Char(')'));
    for (int i = 0; i < unread.size(); ++i) {
        query.bind(i + 1, unread.at(i));
        values.insert(unread.at(i), QString()); // a row gone from the file lists as empty
    }
    while (query.next())
        values.insert(query.integer(0), query.text(1));
    succeeded(query.finished());
}

std::optional<qint64> RecordSet::Table::find(int field, const QString& value)
{
    if (!readsAsUsed()) {
        const int row = findInMemory(field, value);
        return row >= 0 ? std::optional<qint64>(row) : std::nullopt;
    }
    const Result<std::optional<qint64>> row =
        windows->findFirst(baseColumns.at(field), textColumns.at(field), value);
    return succeeded(row) ? *row : std::nullopt;
}

int RecordSet::Table::findInMemory(int field, const QString& value)
{
    auto index = indexes.find(field);
    if (index == indexes.end()) {
        const QList<QString>& values = wholeFields[field];
        QHash<QString, int> rows;
        rows.reserve(values.size());
        // Backwards, so that the first of equal values is the one kept; NULL equals nothing.
        for (int row = int(values.size()) - 1; row >= 0; --row) {
            if (!values.at(row).isNull())
                rows.insert(values.at(row), row);
        }
        index = indexes.insert(field, std::move(rows));
    }
    return index->value(value, -1);
}

// What a committed update wrote, in every copy of it kept here. A row whose order column changed may
// stand elsewhere now: the windows are read again.
void RecordSet::Table::written(qint64 row, int field, const QString& value)
{
    if (auto whole = wholeFields.find(field); whole != wholeFields.end())
        (*whole)[row] = value;
    if (auto values = readRows.find(row); values != readRows.end())
        (*values)[field] = value;
    if (auto values = listed.find(field); values != listed.end() && values->contains(row))
        values->insert(row, value);
    indexes.remove(field);
    if (readsAsUsed() && windows->order().column.compare(baseColumns.at(field), Qt::CaseInsensitive) == 0)
        windows->forget();
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

// Where a word followed by a blank starts in a query, outside brackets and quotes; -1 when nowhere.
qsizetype wordAt(const QString& text, QLatin1String word)
{
    QChar closer;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!closer.isNull()) {
            if (c == closer)
                closer = QChar();
        } else if (c == QLatin1Char('[')) {
            closer = QLatin1Char(']');
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            closer = c;
        } else if (text.mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0 &&
                   (i == 0 || !isNameChar(text.at(i - 1))) && i + word.size() < text.size() &&
                   text.at(i + word.size()).isSpace()) {
            return i;
        }
    }
    return -1;
}

struct SingleTableSource {
    QString sql; // the source with Table.rowid as an extra last column, so that an update writes the row read
    QString table;
    std::optional<RowWindows::Order> order; // when the rows can be read in windows
};

// "order by [Table.]Column [asc|desc]" of the table, or no order at all.
std::optional<RowWindows::Order> orderOf(const QString& clause, const QString& table, const QString& filter)
{
    if (clause.isEmpty())
        return RowWindows::Order{table, filter, {}, false};
    static const QRegularExpression pattern(
        QStringLiteral(R"(^order\s+by\s+(?:(\w+)\.)?(?:\[([^\]]+)\]|(\w+))(?:\s+(asc|desc))?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(clause);
    if (!match.hasMatch() ||
        (match.hasCaptured(1) && match.captured(1).compare(table, Qt::CaseInsensitive) != 0))
        return std::nullopt;
    return RowWindows::Order{table, filter, match.hasCaptured(2) ? match.captured(2) : match.captured(3),
                             match.captured(4).compare(QLatin1String("desc"), Qt::CaseInsensitive) == 0};
}

// A source "select ... from Table [where ...] [order by ...]".
std::optional<SingleTableSource> singleTableSource(const QString& source)
{
    if (!source.trimmed().startsWith(QLatin1String("select"), Qt::CaseInsensitive))
        return std::nullopt;
    const qsizetype from = wordAt(source, QLatin1String("from"));
    if (from < 0)
        return std::nullopt;
    qsizetype pos = from + 4;
    while (pos < source.size() && source.at(pos).isSpace())
        ++pos;
    const qsizetype start = pos;
    while (pos < source.size() && isNameChar(source.at(pos)))
        ++pos;
    const QString table = source.mid(start, pos - start);
    QString rest = source.mid(pos).trimmed();
    QString filter;
    if (rest.startsWith(QLatin1String("where "), Qt::CaseInsensitive)) {
        const qsizetype order = wordAt(rest, QLatin1String("order"));
        filter = rest.mid(6, order < 0 ? -1 : order - 6).trimmed();
        rest = order < 0 ? QString() : rest.mid(order);
    } else if (!rest.isEmpty() && !rest.startsWith(QLatin1String("order "), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    if (table.isEmpty())
        return std::nullopt;
    return SingleTableSource{source.left(from) + QLatin1Char(',') + table + QLatin1String(".rowid ") +
                                 source.mid(from),
                             table, orderOf(rest, table, filter)};
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

Result<RecordSet> RecordSet::open(const Database& database, const QString& source, int rowsPerWindow)
{
    auto table = std::make_shared<Table>();
    table->database = database;
    table->source = source;
    const std::optional<SingleTableSource> singleTable = singleTableSource(source);
    std::optional<SqliteStatement> query;
    if (singleTable) {
        query.emplace(database, singleTable->sql);
        if (query->prepared())
            table->baseTable = singleTable->table;
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

    if (!table->baseColumns.isEmpty() && singleTable->order) {
        table->windows = std::make_unique<RowWindows>(database, *singleTable->order, rowsPerWindow);
        // An order that the engine cannot read in windows, or a file it cannot read: read whole, and tell.
        if (!table->windows->at(0))
            table->windows.reset();
    }
    if (!table->readsAsUsed()) {
        table->baseColumns.clear();
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
    if (m_row < 0)
        return -1;
    // A row placed before and gone from the file since keeps the place it had.
    if (const int position = m_table->positionOf(m_row); position >= 0)
        m_position = position;
    return m_position;
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
    if (!m_table || field < 0 || field >= fieldCount())
        return {};
    return m_table->valueInList(row, field);
}

void RecordSet::setCurrent(qint64 row, int position)
{
    m_editBuffer.reset();
    m_row = row;
    m_position = row >= 0 ? position : -1;
}

void RecordSet::setPosition(int position)
{
    const std::optional<qint64> row = m_table ? m_table->rowAt(position) : std::nullopt;
    setCurrent(row.value_or(-1), position);
}

void RecordSet::moveFirst()
{
    setPosition(0);
}

void RecordSet::move(int records)
{
    if (m_row < 0)
        return;
    const int position = absolutePosition();
    setPosition(position < 0 ? -1 : position + records);
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
    const std::optional<qint64> row = m_table->find(field, parsed->value);
    if (!row)
        return false;
    setCurrent(*row, -1); // placed when asked
    m_noMatch = false;
    return true;
}

RecordSet::Bookmark RecordSet::bookmark() const
{
    return Bookmark{absolutePosition()};
}

void RecordSet::setBookmark(Bookmark bookmark)
{
    setPosition(bookmark.row);
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
    query.addBindValue(m_table->baseRowId(m_row));
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
