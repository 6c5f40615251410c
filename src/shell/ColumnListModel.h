#pragma once

#include "data/RecordSet.h"

#include <QAbstractListModel>

// One column of a record set, in the record set's order, as the list of a bound combo box.
class ColumnListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ColumnListModel(QObject* parent = nullptr);

    void setColumn(const RecordSet& recordSet, int field);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // Once, when a name of the list could not be read from the file; it shows empty.
    void readFailed() const;

private:
    RecordSet m_rows; // a clone: shares the rows, never moves the data control's record
    int m_field = -1;
    mutable bool m_failureTold = false;
};
