#include "data/legacy/EncodedRows.h"

#include <QCoreApplication>

#include <cstring>

EncodedRows::EncodedRows(qsizetype table, int columnCount)
    : m_table(table)
    , m_columnCount(columnCount)
{
}

Result<> EncodedRows::append(const QVariantList& row)
{
    for (const QVariant& value : row) {
        switch (value.typeId()) {
        case QMetaType::UnknownType:
            m_values << Value{Kind::Null, 0, 0};
            break;
        case QMetaType::LongLong: {
            const qint64 number = value.toLongLong();
            appendBytes(Kind::Integer, &number, sizeof number);
            break;
        }
        case QMetaType::Double: {
            const double number = value.toDouble();
            appendBytes(Kind::Real, &number, sizeof number);
            break;
        }
        case QMetaType::QByteArray: {
            const QByteArray& blob = *static_cast<const QByteArray*>(value.constData());
            appendBytes(Kind::Blob, blob.constData(), blob.size());
            break;
        }
        case QMetaType::QString: {
            const QString& text = *static_cast<const QString*>(value.constData());
            const qsizetype offset = m_bytes.size();
            m_bytes.resize(offset + m_encoder.requiredSpace(text.size()));
            const char* end = m_encoder.appendToBuffer(m_bytes.data() + offset, text);
            // UTF-8 cannot hold a lone half of a surrogate pair; it would come back as another character.
            if (m_encoder.hasError())
                return Failure{QCoreApplication::translate(
                                   "EncodedRows", "a text holds a character that is not valid Unicode: "
                                                  "\"%1\"")
                                   .arg(text)};
            m_bytes.resize(end - m_bytes.constData());
            m_values << Value{Kind::Text, offset, m_bytes.size() - offset};
            break;
        }
        default:
            return Failure{
                QCoreApplication::translate("EncodedRows", "a value of the kind %1 cannot be stored")
                    .arg(QString::fromLatin1(value.typeName()))};
        }
    }
    return {};
}

void EncodedRows::addTo(ContentChecksum& checksum) const
{
    for (qsizetype row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < m_columnCount; ++column) {
            switch (kind(row, column)) {
            case Kind::Null:
                checksum.addNull();
                break;
            case Kind::Integer:
                checksum.addInteger(integer(row, column));
                break;
            case Kind::Real:
                checksum.addReal(real(row, column));
                break;
            case Kind::Text:
                checksum.addText(bytes(row, column));
                break;
            case Kind::Blob:
                checksum.addBlob(bytes(row, column));
                break;
            }
        }
    }
}

QByteArrayView EncodedRows::bytes(qsizetype row, int column) const
{
    const Value& stored = value(row, column);
    return QByteArrayView(m_bytes).sliced(stored.offset, stored.size);
}

qint64 EncodedRows::integer(qsizetype row, int column) const
{
    qint64 number = 0;
    std::memcpy(&number, m_bytes.constData() + value(row, column).offset, sizeof number);
    return number;
}

double EncodedRows::real(qsizetype row, int column) const
{
    double number = 0;
    std::memcpy(&number, m_bytes.constData() + value(row, column).offset, sizeof number);
    return number;
}

QByteArrayView EncodedRows::appendBytes(Kind kind, const void* data, qsizetype size)
{
    const qsizetype offset = m_bytes.size();
    m_bytes.append(static_cast<const char*>(data), size);
    m_values << Value{kind, offset, size};
    return QByteArrayView(m_bytes).sliced(offset);
}
