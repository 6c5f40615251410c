#include "help/winhelp/ByteReader.h"

namespace WinHelp {

ByteReader::ByteReader(QByteArrayView bytes, qsizetype position)
    : m_bytes(bytes)
    , m_position(position)
{
    if (position < 0 || position > bytes.size())
        throw Damaged("a position outside its data");
}

void ByteReader::require(qsizetype count) const
{
    if (count < 0 || count > remaining())
        throw Damaged("data cut short");
}

void ByteReader::skip(qsizetype count)
{
    require(count);
    m_position += count;
}

quint8 ByteReader::byte()
{
    require(1);
    return quint8(m_bytes[m_position++]);
}

quint16 ByteReader::word()
{
    const quint16 low = byte();
    return quint16(low | byte() << 8);
}

qint16 ByteReader::signedWord()
{
    return qint16(word());
}

quint32 ByteReader::dword()
{
    const quint32 low = word();
    return low | quint32(word()) << 16;
}

qint32 ByteReader::signedDword()
{
    return qint32(dword());
}

QByteArrayView ByteReader::take(qsizetype count)
{
    require(count);
    const QByteArrayView taken = m_bytes.sliced(m_position, count);
    m_position += count;
    return taken;
}

QByteArrayView ByteReader::string()
{
    const QByteArrayView rest = m_bytes.sliced(m_position);
    const qsizetype end = rest.indexOf('\0');
    if (end < 0) {
        m_position = m_bytes.size();
        return rest;
    }
    m_position += end + 1;
    return rest.first(end);
}

quint16 ByteReader::packedWord()
{
    if (remaining() >= 1 && !(m_bytes[m_position] & 1))
        return byte() >> 1;
    return word() >> 1;
}

qint16 ByteReader::packedSignedWord()
{
    if (remaining() >= 1 && !(m_bytes[m_position] & 1))
        return qint16((byte() >> 1) - 0x40);
    return qint16((word() >> 1) - 0x4000);
}

quint32 ByteReader::packedDword()
{
    if (remaining() >= 1 && !(m_bytes[m_position] & 1))
        return word() >> 1;
    return dword() >> 1;
}

qint32 ByteReader::packedSignedDword()
{
    if (remaining() >= 1 && !(m_bytes[m_position] & 1))
        return qint32(word() >> 1) - 0x4000;
    return qint32(dword() >> 1) - 0x4000000;
}

} // namespace WinHelp
