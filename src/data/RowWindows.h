#pragma once

#include "data/Database.h"
#include "data/Result.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

class SqliteStatement;

// Which row of one table stands at which position of a record source ordered by one of its columns, read
// from the file a window of rows at a time instead of all at once: keyset pages over the column's index,
// with the row's identity breaking ties so that the order is total. A window continues from a neighbour
// already read, so a row that another program deleted since is not there and the rows after it move up.
class RowWindows {
public:
    struct Order {
        QString table;
        QString filter; // the source's where clause; empty for none
        QString column; // empty: the rows' identities alone
        bool descending = false;
    };

    RowWindows(const Database& database, Order order, int rowsPerWindow);

    const Order& order() const { return m_order; }

    // The identity of the row at a position; none past either end.
    Result<std::optional<qint64>> at(int position);
    Result<int> count();
    // Where the row stands now; none when it has gone from the file.
    Result<std::optional<int>> positionOf(qint64 id);
    // The first row in the order whose column holds the value, character for character; a column that may
    // hold numbers is compared as text, since a number and its text need not compare equal.
    Result<std::optional<qint64>> findFirst(const QString& column, bool textColumn, const QString& value);
    // The rows already read within a window's width of a position, to read a listed field for all at once.
    QList<qint64> readAround(int position) const;
    // Drops the windows read, for example when a row's place in the order has changed.
    void forget();

private:
    struct Row {
        qint64 id = -1;
        QVariant key; // the order column's value, of the type it has in the file; null for a NULL
    };
    // One disjoint stretch of the order, as a condition of the order column and the identity.
    struct Part {
        QString condition;
        QVariantList values;
    };

    QString select(const QString& columns, const QString& condition) const;
    QString sorted(bool ascending) const;
    QList<Part> after(const Row& row) const;
    QList<Part> before(const Row& row) const;
    Result<QList<Row>> read(const QList<Part>& parts, bool ascending, int rows, int offset = 0) const;
    Result<QList<Row>> beside(const Row& row, bool forward) const;
    Row rowOf(const SqliteStatement& query) const;
    void place(int first, int step, const QList<Row>& rows);

    Database m_database;
    Order m_order;
    QString m_column; // the order column as SQL
    int m_rowsPerWindow;
    std::optional<int> m_count;
    QHash<int, Row> m_rows;        // by position
    QHash<qint64, int> m_placesOf; // position by identity
};
