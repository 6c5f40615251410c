#pragma once

#include "data/Result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

// A legacy Microsoft Access (Jet 3, Jet 4 or ACE) file, read through mdbtools' libmdb; the file is opened
// for reading only and never changed.
//
// A value reads as an invalid QVariant for NULL, a QString for text (a zero-length text stays an empty,
// non-null QString), a qlonglong for whole numbers and Yes/No, a double for floating-point numbers and a
// QByteArray for binary data. Currency, decimal, date and replication-ID values read as their text.
class AccessReader {
public:
    enum class ColumnKind { Text, Integer, Real, Binary };

    struct Column {
        QString name;
        ColumnKind kind = ColumnKind::Text;
    };

    struct Table {
        QString name;
        QList<Column> columns;
        qint64 rowCount = 0; // as the table's definition records it
    };

    // Returns false to stop reading.
    using RowReceiver = std::function<bool(const QVariantList& row)>;

    ~AccessReader();
    AccessReader(const AccessReader&) = delete;
    AccessReader& operator=(const AccessReader&) = delete;

    // Opens a file and reads its catalogue; fails when it is no readable Access file: when it is cut off
    // within a page, or libmdb complains about what it reads.
    static Result<std::unique_ptr<AccessReader>> open(const QString& path);

    // The user tables in catalogue order, without Access's own system tables.
    const QList<Table>& tables() const { return m_tables; }

    // Hands every row of a table to the receiver, in the file's physical order. Fails on a row or a long
    // value that cannot be read, when fewer or more rows come than the definition records, and when
    // libmdb complains about what it reads (after the rows, which are then not to be trusted), and when the
    // receiver stops it.
    Result<> readRows(const Table& table, const RowReceiver& receiver) const;

private:
    struct Handle;
    AccessReader();

    std::unique_ptr<Handle> m_handle;
    QList<Table> m_tables;
};
