#pragma once

#include "data/Result.h"
#include "data/legacy/DatabaseContent.h"

#include <QByteArray>
#include <QList>
#include <QStringEncoder>
#include <QVariantList>

// Rows of one table as SQLite takes them: each value's kind, with texts as UTF-8, all in one buffer, so
// that a batch of rows passes from the thread that reads to the one that writes in a few allocations.
class EncodedRows {
public:
    enum class Kind : char { Null, Integer, Real, Text, Blob };

    explicit EncodedRows(qsizetype table = 0, int columnCount = 0);

    // False for a value that cannot be stored, such as a text that UTF-8 cannot hold.
    Result<> append(const QVariantList& row);
    // Adds every value, as encoded, to the checksum.
    void addTo(ContentChecksum& checksum) const;

    qsizetype table() const { return m_table; }
    int columnCount() const { return m_columnCount; }
    qsizetype rowCount() const { return m_columnCount ? m_values.size() / m_columnCount : 0; }

    Kind kind(qsizetype row, int column) const { return value(row, column).kind; }
    // A text's UTF-8 or a blob's bytes.
    QByteArrayView bytes(qsizetype row, int column) const;
    qint64 integer(qsizetype row, int column) const;
    double real(qsizetype row, int column) const;

private:
    struct Value {
        Kind kind;
        qsizetype offset;
        qsizetype size;
    };

    const Value& value(qsizetype row, int column) const { return m_values.at(row * m_columnCount + column); }
    QByteArrayView appendBytes(Kind kind, const void* data, qsizetype size);

    qsizetype m_table;
    int m_columnCount;
    QByteArray m_bytes;
    QList<Value> m_values; // row by row
    QStringEncoder m_encoder{QStringEncoder::Utf8};
};
