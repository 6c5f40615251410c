#pragma once

#include "data/Database.h"
#include "data/RecordSet.h"

#include <QAbstractListModel>
#include <QStringList>

// One column of a record set, in the record set's order, as the list of a bound combo box. The names are
// read a page at a time as the list is scrolled to them, through a read-only connection of the list's own,
// so that a long table costs only what is shown. Finding a name is the record set's look-up in the file,
// never a search of the names read here.
class ColumnListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // Names read at a time: a page of the list and then some, whatever the length of the table.
    static constexpr int PageRows = 256;

    explicit ColumnListModel(QObject* parent = nullptr);

    // Lists the field of the record set's rows and reads the first page.
    void setColumn(const RecordSet& recordSet, int field);
    // Reads the names up to that row; false when the list has no such row.
    bool fetchTo(int row);
    // Reads the names read so far again, for a name written since.
    void reread();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

Q_SIGNALS:
    // Once, when the names could not be read from the file, with the engine's reason; the list ends there.
    void readFailed(const QString& reason);

private:
    // That many names of the list from that row on, or fewer at its end.
    Result<QStringList> read(int count, int offset) const;
    // Appends up to that many names after those read; fewer means the list is whole.
    void readNames(int count);
    void fail(const QString& reason);

    Database m_database;
    QString m_query; // the field of the source's rows, a window of them by limit and offset
    QStringList m_names;
    bool m_whole = true;
    bool m_failureTold = false;
};
