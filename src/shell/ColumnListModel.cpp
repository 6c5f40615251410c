#include "shell/ColumnListModel.h"

#include "data/SqlName.h"
#include "data/SqliteStatement.h"

ColumnListModel::ColumnListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void ColumnListModel::setColumn(const RecordSet& recordSet, int field)
{
    beginResetModel();
    m_names.clear();
    m_database = {};
    m_whole = true;
    if (field >= 0 && !recordSet.databasePath().isEmpty()) {
        // The source's own order: row n of the list is row n of the record set, which the picks rely on.
        m_query = QLatin1String("select ") + quotedSqlName(recordSet.fieldName(field)) +
                  QLatin1String(" from (") + recordSet.source() + QLatin1String(") limit ? offset ?");
        if (const Result<Database> database = Database::open(recordSet.databasePath(), true)) {
            m_database = *database;
            m_whole = false;
        } else {
            fail(database.error());
        }
    }
    endResetModel();
    fetchMore({});
}

bool ColumnListModel::fetchTo(int row)
{
    if (row >= m_names.size() && !m_whole)
        readNames(row + 1 - int(m_names.size()));
    return row >= 0 && row < m_names.size();
}

void ColumnListModel::reread()
{
    if (m_names.isEmpty())
        return;
    const Result<QStringList> names = read(int(m_names.size()), 0);
    if (!names) {
        fail(names.error());
        return;
    }
    // Row by row, so that the box keeps its current row and text; rows deleted since leave the end.
    if (names->size() < m_names.size()) {
        beginRemoveRows({}, int(names->size()), int(m_names.size()) - 1);
        m_names.resize(names->size());
        endRemoveRows();
    }
    for (qsizetype row = 0; row < names->size(); ++row) {
        if (names->at(row) != m_names.at(row)) {
            m_names[row] = names->at(row);
            Q_EMIT dataChanged(index(int(row)), index(int(row)));
        }
    }
}

int ColumnListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant ColumnListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_names.value(index.row());
}

bool ColumnListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_whole;
}

void ColumnListModel::fetchMore(const QModelIndex& parent)
{
    if (canFetchMore(parent))
        readNames(PageRows);
}

Result<QStringList> ColumnListModel::read(int count, int offset) const
{
    SqliteStatement query(m_database, m_query);
    query.bind(1, qint64(count));
    query.bind(2, qint64(offset));
    QStringList names;
    while (query.next())
        names << query.text(0);
    if (const Result<> read = query.finished(); !read)
        return Failure{read.error()};
    return names;
}

void ColumnListModel::readNames(int count)
{
    const Result<QStringList> names = read(count, int(m_names.size()));
    if (!names) {
        fail(names.error());
        return;
    }
    m_whole = names->size() < count;
    if (names->isEmpty())
        return;
    beginInsertRows({}, int(m_names.size()), int(m_names.size() + names->size()) - 1);
    m_names += *names;
    endInsertRows();
}

void ColumnListModel::fail(const QString& reason)
{
    m_whole = true;
    if (m_failureTold)
        return;
    m_failureTold = true;
    Q_EMIT readFailed(reason);
}
