#pragma once

#include "data/Result.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// What a converted database is checked by against its source: the tables in order, their columns, their
// row counts and one checksum over every value of every row.
struct DatabaseContent {
    struct Table {
        QString name;
        QStringList columns;
        qint64 rows = 0;
    };

    QList<Table> tables;
    QByteArray checksum;

    // The first difference, in words; empty when there is none.
    QString differenceFrom(const DatabaseContent& other) const;

    // Reads back a SQLite database, rows in the order they were written.
    static Result<DatabaseContent> ofSqliteFile(const QString& path);
};

// The checksum of DatabaseContent. Text counts as its UTF-8 bytes, so that the values read from a source
// and the values SQLite stores sum up alike; NULL, a zero-length text and a zero differ.
class ContentChecksum {
public:
    void addTable(const QString& name, const QStringList& columns);
    void addNull() { addBytes(Null, {}); }
    void addInteger(qint64 value);
    void addReal(double value);
    void addText(QByteArrayView utf8) { addBytes(Text, utf8); }
    void addBlob(QByteArrayView bytes) { addBytes(Blob, bytes); }
    QByteArray result();

private:
    enum Tag : char { Null, Integer, Real, Text, Blob, TableName, ColumnName };

    void addBytes(Tag tag, QByteArrayView bytes);
    void append(const void* data, qsizetype size);
    void flush();

    QCryptographicHash m_hash{QCryptographicHash::Blake2b_256};
    // Values are hashed in large pieces, not one by one.
    std::array<char, 1 << 16> m_pending;
    qsizetype m_used = 0;
};
