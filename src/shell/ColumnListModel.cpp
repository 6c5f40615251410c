#include "shell/ColumnListModel.h"

ColumnListModel::ColumnListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void ColumnListModel::setColumn(const RecordSet& recordSet, int field)
{
    beginResetModel();
    m_rows = recordSet.clone();
    m_field = field;
    endResetModel();
}

int ColumnListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_field < 0 ? 0 : m_rows.recordCount();
}

QVariant ColumnListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.parent().isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const QString value = m_rows.valueAt(index.row(), m_field);
    if (!m_failureTold && !m_rows.readError().isEmpty()) {
        m_failureTold = true;
        Q_EMIT readFailed();
    }
    return value;
}
