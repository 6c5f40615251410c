#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <stdexcept>

namespace WinHelp {

// What the reader throws on bytes it cannot make sense of; caught where a help file is read, never passed on.
class Damaged : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Little-endian values read in order from a span of bytes. A read past the end throws Damaged, so no
// value of a file can lead a read outside it.
class ByteReader {
public:
    explicit ByteReader(QByteArrayView bytes, qsizetype position = 0);

    qsizetype position() const { return m_position; }
    qsizetype remaining() const { return m_bytes.size() - m_position; }
    bool atEnd() const { return m_position >= m_bytes.size(); }
    void skip(qsizetype count);

    quint8 byte();
    quint16 word();
    qint16 signedWord();
    quint32 dword();
    qint32 signedDword();
    QByteArrayView take(qsizetype count);
    // The bytes up to a NUL, which is passed over, or up to the end.
    QByteArrayView string();

    // The packed integers of topic records: one byte (two for a word) when its lowest bit is clear, else
    // two (four); the signed ones are stored with a bias.
    quint16 packedWord();
    qint16 packedSignedWord();
    quint32 packedDword();
    qint32 packedSignedDword();

private:
    void require(qsizetype count) const;

    QByteArrayView m_bytes;
    qsizetype m_position;
};

} // namespace WinHelp
